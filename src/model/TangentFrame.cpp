#include "model/TangentFrame.h"

#include <cmath>

namespace tavernrush {

bool isUsableDirection(const glm::vec3& v)
{
    if (!std::isfinite(v.x) || !std::isfinite(v.y) || !std::isfinite(v.z)) {
        return false;
    }
    return glm::dot(v, v) > 1e-12f;
}

TangentFrame tangentFrameFor(const glm::vec3& direction)
{
    const glm::vec3 normal = glm::normalize(direction);
    // Gram-Schmidt against the X axis, or against Z when the normal lies too
    // close to X for the projection to keep any length worth normalising.
    const glm::vec3 reference = std::abs(normal.x) < 0.9f ? glm::vec3(1.0f, 0.0f, 0.0f) : glm::vec3(0.0f, 0.0f, 1.0f);
    const glm::vec3 tangent = glm::normalize(reference - normal * glm::dot(normal, reference));
    return {tangent, glm::cross(normal, tangent)};
}

} // namespace tavernrush
