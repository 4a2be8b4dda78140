#pragma once
// The level's two fixed lights and the per-frame lighting uniforms of the
// lit programs.

#include "render/Shader.h"

#include <glm/glm.hpp>

namespace tavernrush {

struct DirectionalLight {
    bool enabled = true;
    glm::vec3 color{0.0f};
    // Direction the light travels, unit length.
    glm::vec3 direction{0.0f, -1.0f, 0.0f};
};

struct PointLight {
    PointLight(const glm::vec3& color, const glm::vec3& position, const glm::vec3& attenuation)
        : color(color), position(position), attenuation(attenuation)
    {
    }
    bool enabled = true;
    glm::vec3 color;
    glm::vec3 position;
    // Constant, linear and quadratic factor.
    glm::vec3 attenuation;
};

struct SceneLights {
    DirectionalLight directional;
    PointLight point;
};

// The sunlight falls toward -y and +z; the green lamp stands by the brick wall.
SceneLights makeSceneLights();

struct CameraUniforms {
    glm::vec3 cameraWorld{0.0f};
    glm::mat4 viewProjection{1.0f};
};

// Sets "camera_world", "viewProjMatrix" and the five light uniforms on the
// program the caller made current.
void setLightUniforms(Shader& shader, const CameraUniforms& camera, const SceneLights& lights);

} // namespace tavernrush
