#pragma once
// Where a point of the level appears in a replay screenshot, worked out from
// the camera state a trace line records: the camera hangs at its offset in
// the figure's turned frame, orbited by yaw about y and then pitch about x,
// and looks along its own -z with a vertical field of view and the window's
// aspect ratio. Written from those rules, not from the game's camera code,
// so the image tests also check that the camera frames what it should.

#include "TraceJson.h"

#include <glm/glm.hpp>

#include <optional>

namespace tavernrush::e2e {

struct ViewPose {
    glm::vec3 player{0.0f};
    glm::vec3 direction{0.0f, 0.0f, -1.0f};
    glm::vec3 cameraOffset{0.0f, 5.0f, 9.0f};
    float yaw = 0.0f;
    float pitch = 0.0f;
    float fieldOfViewDegrees = 60.0f;
};

// The pose of a trace line (keys "player", "direction", "cameraPosition",
// "cameraYaw", "cameraPitch", "fieldOfView").
ViewPose viewPoseOf(const Json& traceLine);

struct ScreenPoint {
    glm::vec2 pixel{0.0f}; // x right, y down, pixel centres at +0.5
    float depth = 0.0f;    // distance in front of the camera along its axis
};

// Nullopt for a point behind the camera.
std::optional<ScreenPoint> projectToScreen(const ViewPose& pose, const glm::vec3& world, glm::ivec2 imageSize);

// How many pixels one world unit spans at `depth`, across the view.
float pixelsPerUnit(const ViewPose& pose, float depth, glm::ivec2 imageSize);

glm::vec3 vec3Of(const Json& value);

} // namespace tavernrush::e2e
