#pragma once
// The unicorn figures that wander along the x axis. They are obstacles: the
// frame loop shows a picture when the player comes too close to one. How
// many there are and their seed come from the level.

#include <cstdint>
#include <glm/glm.hpp>
#include <vector>

namespace tavernrush {

inline constexpr float unicornHalfExtent = 100.0f;
inline constexpr float unicornSpeedScalePerSecond = 4.0f;

// The starting herd from a freshly seeded engine: per unicorn the first draw
// becomes z and the second x; the first three stand at 0.5, the rest at 0.
std::vector<glm::vec3> placeUnicorns(int count, std::uint32_t seed);

// Moves every unicorn along x. The drift engine is re-seeded on every call, so
// unicorn i always takes the i-th draw: each keeps its own constant speed and
// direction for the whole game. y and z never change.
std::vector<glm::vec3> driftUnicorns(std::vector<glm::vec3> positions, float deltaTime, std::uint32_t seed);

} // namespace tavernrush
