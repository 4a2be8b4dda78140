#pragma once
// The steady turning shared by beers, coins and the carried bag.

#include <glm/glm.hpp>

namespace tavernrush {

inline constexpr float spinDegreesPerSecond = 100.0f;
inline constexpr float fullTurnDegrees = 360.0f;
// Degrees to radians as the game has always converted them (single precision).
inline constexpr float radiansPerDegree = 0.017453292f;

// Advances a spin angle and folds it back into [0, 360). Without the fold the
// angle grows without bound, and after hours of play a float can no longer
// resolve one frame's step, so the items would turn in jerks and then stop.
float advanceSpin(float angleDegrees, float deltaTime);

// Rotation by `angleDegrees` about `axis`.
glm::mat4 spinRotation(float angleDegrees, const glm::vec3& axis);

} // namespace tavernrush
