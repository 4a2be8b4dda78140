#include "ImageViewProjection.h"

#include <cmath>

namespace tavernrush::e2e {
namespace {

glm::mat3 rotationAboutY(float angle)
{
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    // Columns: the images of x, y and z.
    return glm::mat3(glm::vec3(c, 0.0f, -s), glm::vec3(0.0f, 1.0f, 0.0f), glm::vec3(s, 0.0f, c));
}

glm::mat3 rotationAboutX(float angle)
{
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    return glm::mat3(glm::vec3(1.0f, 0.0f, 0.0f), glm::vec3(0.0f, c, s), glm::vec3(0.0f, -s, c));
}

// The figure's turned frame: its -z is the walking direction, y stays up.
glm::mat3 headingOf(const glm::vec3& direction)
{
    const glm::vec3 forward = glm::normalize(glm::vec3(direction.x, 0.0f, direction.z));
    return glm::mat3(glm::vec3(-forward.z, 0.0f, forward.x), glm::vec3(0.0f, 1.0f, 0.0f), -forward);
}

} // namespace

glm::vec3 vec3Of(const Json& value)
{
    if (value.size() != 3) {
        return glm::vec3(0.0f);
    }
    return {value.at(0).get<float>(), value.at(1).get<float>(), value.at(2).get<float>()};
}

ViewPose viewPoseOf(const Json& traceLine)
{
    ViewPose pose;
    pose.player = vec3Of(traceLine.at("player"));
    pose.direction = vec3Of(traceLine.at("direction"));
    pose.cameraOffset = vec3Of(traceLine.at("cameraPosition"));
    pose.yaw = static_cast<float>(traceLine.at("cameraYaw").get<double>());
    pose.pitch = static_cast<float>(traceLine.at("cameraPitch").get<double>());
    pose.fieldOfViewDegrees = static_cast<float>(traceLine.at("fieldOfView").get<double>());
    return pose;
}

std::optional<ScreenPoint> projectToScreen(const ViewPose& pose, const glm::vec3& world, glm::ivec2 imageSize)
{
    const glm::mat3 orientation = headingOf(pose.direction) * rotationAboutY(pose.yaw) * rotationAboutX(pose.pitch);
    const glm::vec3 eye = pose.player + orientation * pose.cameraOffset;
    const glm::vec3 local = glm::transpose(orientation) * (world - eye);
    if (local.z >= 0.0f) {
        return std::nullopt;
    }
    const float depth = -local.z;
    const float halfHeight = std::tan(glm::radians(pose.fieldOfViewDegrees) * 0.5f);
    const float aspect = static_cast<float>(imageSize.x) / static_cast<float>(imageSize.y);
    const glm::vec2 ndc(local.x / depth / (halfHeight * aspect), local.y / depth / halfHeight);
    return ScreenPoint{glm::vec2((ndc.x + 1.0f) * 0.5f * static_cast<float>(imageSize.x),
                                 (1.0f - ndc.y) * 0.5f * static_cast<float>(imageSize.y)),
                       depth};
}

float pixelsPerUnit(const ViewPose& pose, float depth, glm::ivec2 imageSize)
{
    const float halfHeight = std::tan(glm::radians(pose.fieldOfViewDegrees) * 0.5f);
    return static_cast<float>(imageSize.y) / (2.0f * halfHeight * depth);
}

} // namespace tavernrush::e2e
