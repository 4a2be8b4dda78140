// Placement and drift of the unicorn herd.

#include "game/UnicornHerd.h"

#include "game/Random.h"

namespace tavernrush {

namespace {

constexpr float raisedUnicornHeight = 0.5f;
constexpr int raisedUnicornCount = 3;

} // namespace

std::vector<glm::vec3> placeUnicorns(int count, std::uint32_t seed)
{
    RandomEngine engine{seed};
    std::vector<glm::vec3> positions;
    positions.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const float z = uniformDraw(engine, -unicornHalfExtent, unicornHalfExtent);
        const float x = uniformDraw(engine, -unicornHalfExtent, unicornHalfExtent);
        const float y = i < raisedUnicornCount ? raisedUnicornHeight : 0.0f;
        positions.emplace_back(x, y, z);
    }
    return positions;
}

std::vector<glm::vec3> driftUnicorns(std::vector<glm::vec3> positions, float deltaTime, std::uint32_t seed)
{
    RandomEngine engine{seed};
    for (glm::vec3& position : positions) {
        const float r = uniformDraw(engine, -1.0f, 1.0f);
        position.x += r * unicornSpeedScalePerSecond * deltaTime;
    }
    return positions;
}

} // namespace tavernrush
