#pragma once
// The path of the level's best win, as the run file sampled it while it was
// played: where the figure stood and which way it faced at each moment of
// the run's clock. The ghost walks it again in step with the game's timer,
// without simulating anything.

#include <glm/glm.hpp>

#include <optional>
#include <vector>

namespace tavernrush {

struct GhostSample {
    // The run's timer, seconds since its start or restart.
    float time = 0.0f;
    glm::vec3 position{0.0f};
    // Radians about y, as the figure's model matrix turns it.
    float heading = 0.0f;
};

class GhostRun {
public:
    GhostRun() = default;
    // Samples in the order they were taken; times must not decrease.
    explicit GhostRun(std::vector<GhostSample> samples) : samples_(std::move(samples)) {}

    bool empty() const { return samples_.empty(); }
    // Where the figure stood at `time`: between two samples in a straight
    // line, before the first at the start, after the last at the finish.
    std::optional<glm::mat4> placementAt(float time) const;

private:
    std::vector<GhostSample> samples_;
};

// The figure's heading as a ghost sample keeps it.
float headingOf(const glm::mat4& playerModel);

} // namespace tavernrush
