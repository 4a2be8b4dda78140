#pragma once
// How the sun sees the player figure for the shadow map: an orthographic
// view along the light's direction, centred on the figure wherever it stands.

#include <glm/glm.hpp>

namespace tavernrush {

// Side of the square the shadow map covers, in world units.
inline constexpr float shadowCoverageWidth = 60.0f;
// How far the light's eye stands back from the figure along the light.
inline constexpr float shadowEyeDistance = 100.0f;
inline constexpr float shadowNearPlane = 0.1f;
// Twice the eye distance, so the figure sits in the middle of the depth
// range with 100 units to spare in front and behind.
inline constexpr float shadowFarPlane = 200.0f;

struct LightSpace {
    // The eye of the light's view, shadowEyeDistance back from the focus.
    glm::vec3 lightPos{0.0f};
    // Light projection x light view: world position to the light's clip space.
    glm::mat4 lightSpaceMatrix{1.0f};
    // Where the sun stands seen from the origin (-shadowEyeDistance x the
    // light's direction). The "sm" program lights every receiver from the
    // direction of its "lightPos", so it gets this value: the same for the
    // whole run, as the sun is a directional light.
    glm::vec3 sunPosition{0.0f};
};

// The light's view looks along lightDirection (the direction the light
// travels, never straight up or down) at focus, the player's position.
// Following the figure keeps its shadow in the map wherever it walks; a view
// fixed on the origin would miss it at its start position and anywhere with
// z > y.
LightSpace lightSpaceFor(const glm::vec3& lightDirection, const glm::vec3& focus);

} // namespace tavernrush
