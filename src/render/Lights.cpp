#include "render/Lights.h"

namespace tavernrush {

SceneLights makeSceneLights()
{
    DirectionalLight sun;
    sun.color = glm::vec3(0.8f, 0.8f, 0.8f);
    sun.direction = glm::normalize(glm::vec3(0.0f, -1.0f, 1.0f));
    return SceneLights{sun, PointLight({0.0f, 1.0f, 0.0f}, {-9.0f, 1.5f, -5.4f}, {0.7f, 0.4f, 0.7f})};
}

void setLightUniforms(Shader& shader, const CameraUniforms& camera, const SceneLights& lights)
{
    shader.setUniform("viewProjMatrix", camera.viewProjection);
    shader.setUniform("camera_world", camera.cameraWorld);
    shader.setUniform("dirL.color", lights.directional.color);
    shader.setUniform("dirL.direction", lights.directional.direction);
    shader.setUniform("pointL.color", lights.point.color);
    shader.setUniform("pointL.position", lights.point.position);
    shader.setUniform("pointL.attenuation", lights.point.attenuation);
}

} // namespace tavernrush
