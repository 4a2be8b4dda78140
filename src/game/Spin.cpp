// Spin bookkeeping shared by the collectibles and the bag.

#include "game/Spin.h"

#include <cmath>
#include <glm/gtc/matrix_transform.hpp>

namespace tavernrush {

float advanceSpin(float angleDegrees, float deltaTime)
{
    const float advanced = angleDegrees + spinDegreesPerSecond * deltaTime;
    return std::fmod(advanced, fullTurnDegrees);
}

glm::mat4 spinRotation(float angleDegrees, const glm::vec3& axis)
{
    return glm::rotate(glm::mat4(1.0f), angleDegrees * radiansPerDegree, axis);
}

} // namespace tavernrush
