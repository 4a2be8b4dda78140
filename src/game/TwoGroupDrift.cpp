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

} // namespace tavernrush
