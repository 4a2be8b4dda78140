// Summaries of physics snapshots for the monitor's output.

#include "physics_monitor/SnapshotSummary.h"

#include <glm/gtc/quaternion.hpp>
#include <glm/mat3x3.hpp>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

namespace tavernrush {

namespace {

// Moved bodies listed by index before the list is cut short.
constexpr std::size_t listedMovedBodies = 10;

std::string real(float value)
{
    std::array<char, 32> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), error == std::errc{} ? end : buffer.data());
}

std::string point(const glm::vec3& v)
{
    return "(" + real(v.x) + ", " + real(v.y) + ", " + real(v.z) + ")";
}

std::string bodyCountText(std::size_t count)
{
    return std::to_string(count) + (count == 1 ? " body" : " bodies");
}

} // namespace

std::optional<BoxBounds> boxBounds(const WorldSnapshot& snapshot)
{
    std::optional<BoxBounds> bounds;
    for (const BodyState& body : snapshot.bodies) {
        // A rotated box reaches along each world axis by the sum of its half
        // extents weighted with the absolute rotation matrix entries.
        const glm::mat3 rotation = glm::mat3_cast(body.rotation);
        glm::vec3 reach{0.0f};
        for (int axis = 0; axis < 3; ++axis) {
            reach += glm::vec3(std::abs(rotation[axis].x), std::abs(rotation[axis].y),
                               std::abs(rotation[axis].z)) *
                     body.halfExtents[axis];
        }
        const glm::vec3 low = body.position - reach;
        const glm::vec3 high = body.position + reach;
        if (!bounds) {
            bounds = BoxBounds{low, high};
        } else {
            bounds->min = glm::min(bounds->min, low);
            bounds->max = glm::max(bounds->max, high);
        }
    }
    return bounds;
}

std::vector<std::size_t> movedBodies(const WorldSnapshot& before, const WorldSnapshot& after)
{
    std::vector<std::size_t> moved;
    const std::size_t common = std::min(before.bodies.size(), after.bodies.size());
    for (std::size_t index = 0; index < common; ++index) {
        const BodyState& a = before.bodies[index];
        const BodyState& b = after.bodies[index];
        if (a.position != b.position || a.rotation != b.rotation) {
            moved.push_back(index);
        }
    }
    return moved;
}

std::string describeSnapshot(const WorldSnapshot& snapshot)
{
    std::string text = bodyCountText(snapshot.bodies.size()) + "\n";
    text += "  gravity " + point(snapshot.gravity) + "\n";
    text += "  material: static friction " + real(snapshot.material.staticFriction) +
            ", dynamic friction " + real(snapshot.material.dynamicFriction) + ", restitution " +
            real(snapshot.material.restitution) + "\n";
    if (const std::optional<BoxBounds> bounds = boxBounds(snapshot)) {
        text += "  bounds " + point(bounds->min) + " to " + point(bounds->max) + "\n";
    } else {
        text += "  bounds: none (no bodies)\n";
    }
    double totalMass = 0.0;
    for (const BodyState& body : snapshot.bodies) {
        totalMass += body.mass;
    }
    text += "  total mass " + real(static_cast<float>(totalMass)) + "\n";
    return text;
}

std::string describeMovement(const WorldSnapshot& before, const WorldSnapshot& after)
{
    std::string text;
    if (before.bodies.size() != after.bodies.size()) {
        text += "body count changed from " + std::to_string(before.bodies.size()) + " to " +
                std::to_string(after.bodies.size()) + "\n";
    }
    const std::vector<std::size_t> moved = movedBodies(before, after);
    if (moved.empty()) {
        text += "no body moved\n";
        return text;
    }
    text += bodyCountText(moved.size()) + " moved:";
    for (std::size_t k = 0; k < moved.size() && k < listedMovedBodies; ++k) {
        text += " " + std::to_string(moved[k]);
    }
    if (moved.size() > listedMovedBodies) {
        text += " ...";
    }
    text += "\n";
    return text;
}

} // namespace tavernrush
