#include "passes/LightSpace.h"

#include <glm/gtc/matrix_transform.hpp>

namespace tavernrush {

LightSpace lightSpaceFor(const glm::vec3& lightDirection, const glm::vec3& focus)
{
    const glm::vec3 direction = glm::normalize(lightDirection);
    const float halfWidth = shadowCoverageWidth * 0.5f;

    LightSpace light;
    light.lightPos = focus - direction * shadowEyeDistance;
    light.sunPosition = -direction * shadowEyeDistance;
    const glm::mat4 view = glm::lookAt(light.lightPos, focus, glm::vec3(0.0f, 1.0f, 0.0f));
    const glm::mat4 projection =
        glm::ortho(-halfWidth, halfWidth, -halfWidth, halfWidth, shadowNearPlane, shadowFarPlane);
    light.lightSpaceMatrix = projection * view;
    return light;
}

} // namespace tavernrush
