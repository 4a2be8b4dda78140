#pragma once
// The camera that hangs behind the player figure, orbits with the left mouse
// button or the pad's right stick, shifts its offset with the right mouse
// button and zooms with the wheel or the pad's triggers.

#include "game/Input.h"

#include <glm/glm.hpp>

namespace tavernrush {

struct CameraState {
    // Offset of the camera in the player's turned frame.
    glm::vec3 cameraPosition{0.0f, 5.0f, 9.0f};
    float cameraYaw = 0.0f;   // radians about y
    float cameraPitch = 0.0f; // radians about x
    float fieldOfView = 60.0f; // degrees, vertical
    bool firstMouse = true;
    double lastCursorX = 0.0;
    double lastCursorY = 0.0;
    // Width / height of the configured window, so a wide window is not
    // squeezed.
    float aspect = 1.0f;
    glm::mat4 projectionMatrix{1.0f};
    glm::mat4 viewMatrix{1.0f};
};

inline constexpr float pitchLimitTest = 1.5707964f;  // a right angle
inline constexpr float pitchLimitClamp = 1.553343f;  // 89 degrees
inline constexpr float minFieldOfView = 1.0f;
inline constexpr float maxFieldOfView = 150.0f;
inline constexpr float mouseRadiansPerPixel = 0.5f * 0.017453292f;

void initCamera(CameraState& camera, float aspect);

// Follows the mouse and the pad's right stick and triggers (which move by
// the frame's time), and rebuilds both matrices around the player figure.
void updateCamera(CameraState& camera, const InputSource& input, const glm::mat4& playerModel, float deltaTime);

// The wheel: forward narrows the view.
void zoomCamera(CameraState& camera, double yoffset);

} // namespace tavernrush
