#include "game/Camera.h"

#include <glm/gtc/matrix_transform.hpp>

namespace tavernrush {

void initCamera(CameraState& camera, float aspect)
{
    camera.aspect = aspect;
    camera.cameraPosition = glm::vec3(0.0f, 5.0f, 9.0f);
    camera.projectionMatrix = glm::perspective(glm::radians(camera.fieldOfView), camera.aspect, 0.01f, 100.0f);
    camera.viewMatrix = glm::inverse(glm::translate(glm::mat4(1.0f), camera.cameraPosition));
}

namespace {

// Past a right angle the view would flip over; stop just short of it.
void keepPitchUpright(CameraState& camera)
{
    if (camera.cameraPitch > pitchLimitTest) {
        camera.cameraPitch = pitchLimitClamp;
    } else if (camera.cameraPitch < -pitchLimitTest) {
        camera.cameraPitch = -pitchLimitClamp;
    }
}

} // namespace

void updateCamera(CameraState& camera, const InputSource& input, const glm::mat4& playerModel, float deltaTime)
{
    camera.projectionMatrix = glm::perspective(glm::radians(camera.fieldOfView), camera.aspect, 0.1f, 100.0f);

    const glm::dvec2 cursor = input.cursorPosition();
    if (camera.firstMouse) {
        camera.lastCursorX = cursor.x;
        camera.lastCursorY = cursor.y;
        camera.firstMouse = false;
    }
    const auto dx = static_cast<float>(cursor.x - camera.lastCursorX);
    const auto dy = static_cast<float>(cursor.y - camera.lastCursorY);
    if (input.isButtonHeld(MouseButton::Left)) {
        camera.cameraYaw += dx * mouseRadiansPerPixel;
        camera.cameraPitch += dy * mouseRadiansPerPixel;
        keepPitchUpright(camera);
    }
    // The right stick orbits like a left drag, at a speed instead of a distance.
    const PadCamera pad = padCamera(input.gamepad());
    if (pad.orbit != glm::vec2(0.0f)) {
        camera.cameraYaw += pad.orbit.x * padOrbitRadiansPerSecond * deltaTime;
        camera.cameraPitch += pad.orbit.y * padOrbitRadiansPerSecond * deltaTime;
        keepPitchUpright(camera);
    }
    if (pad.zoomIn != 0.0f) {
        zoomCamera(camera, static_cast<double>(pad.zoomIn * padZoomDegreesPerSecond * deltaTime));
    }
    if (input.isButtonHeld(MouseButton::Right)) {
        camera.cameraPosition.x -= dx * mouseRadiansPerPixel;
        camera.cameraPosition.y += dy * mouseRadiansPerPixel;
    }
    camera.lastCursorX = cursor.x;
    camera.lastCursorY = cursor.y;

    // The camera rides with the figure: it turns when the figure turns.
    const glm::mat4 cameraWorld = playerModel *
                                  glm::rotate(glm::mat4(1.0f), camera.cameraYaw, glm::vec3(0, 1, 0)) *
                                  glm::rotate(glm::mat4(1.0f), camera.cameraPitch, glm::vec3(1, 0, 0)) *
                                  glm::translate(glm::mat4(1.0f), camera.cameraPosition);
    camera.viewMatrix = glm::inverse(cameraWorld);
}

void zoomCamera(CameraState& camera, double yoffset)
{
    if (camera.fieldOfView >= minFieldOfView && camera.fieldOfView <= maxFieldOfView) {
        camera.fieldOfView = static_cast<float>(static_cast<double>(camera.fieldOfView) - yoffset);
    }
    if (camera.fieldOfView <= minFieldOfView) {
        camera.fieldOfView = minFieldOfView;
    } else if (camera.fieldOfView >= maxFieldOfView) {
        camera.fieldOfView = maxFieldOfView;
    }
}

} // namespace tavernrush
