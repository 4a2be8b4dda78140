// Opposite drift of the two halves of a collectible field.

#include "game/TwoGroupDrift.h"

#include <cstddef>

namespace tavernrush {

void driftInTwoGroups(std::vector<glm::vec3>& positions, const glm::vec2& stepXZ)
{
    const std::size_t count = positions.size();
    if (count < 2) {
        return;
    }
    const std::size_t half = count / 2;
    for (std::size_t i = 0; i < count; ++i) {
        const float sign = i < half ? 1.0f : -1.0f;
        positions[i].x += sign * stepXZ.x;
        positions[i].z += sign * stepXZ.y;
    }
}

void DriftMotion::redraw(RandomEngine& rng)
{
    speedX = uniformDraw(rng, 1.0f, 4.0f);
    speedZ = uniformDraw(rng, 1.0f, 4.0f);
    directionX = uniformDraw(rng, -1.0f, 1.0f);
    directionZ = uniformDraw(rng, -1.0f, 1.0f);
}

glm::vec2 DriftMotion::step(float deltaTime) const
{
    return {directionX * deltaTime * speedX, directionZ * deltaTime * speedZ};
}

std::size_t drawRelocationIndex(RandomEngine& rng, float limit)
{
    return static_cast<std::size_t>(uniformDraw(rng, 0.0f, limit));
}

} // namespace tavernrush
