#pragma once
// The bag the player figure carries over its shoulder; it keeps turning and
// follows the figure, with no game rule of its own.

#include <glm/glm.hpp>

namespace tavernrush {

// The bag's base matrix: its origin sits at (0, 3.5, 0.5) in the figure's own
// frame, tilted 45 degrees about the figure's z axis.
glm::mat4 carriedBagTransform(const glm::mat4& playerModel);

class CarriedBag {
public:
    // Turns the bag; the frame loop calls this every frame, also while a
    // full-screen picture hides the bag, so it reappears at a later angle.
    void advance(float deltaTime);

    // The bag's model matrix: the base matrix followed by its own spin about
    // the same z axis.
    glm::mat4 modelMatrix(const glm::mat4& playerModel) const;

    float spinAngle() const { return bagSpinAngle_; }

private:
    float bagSpinAngle_ = 0.0f;
};

} // namespace tavernrush
