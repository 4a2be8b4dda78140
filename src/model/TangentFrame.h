#pragma once
// Stand-in surface data for meshes whose file cannot provide it. A normal-mapped
// shader builds its TBN matrix from these vectors; zero or NaN vectors there
// turn the whole surface black or into garbage, so every vertex gets a usable,
// orthonormal frame even when the file has no normals or texture coordinates.

#include <glm/glm.hpp>

namespace tavernrush {

// The normal used where the file gives none: straight up, the way most of the
// level's props stand.
inline constexpr glm::vec3 fallbackNormal{0.0f, 1.0f, 0.0f};

struct TangentFrame {
    glm::vec3 tangent;
    glm::vec3 bitangent;
};

// True for a vector that can serve as a direction: finite and not (nearly) zero.
bool isUsableDirection(const glm::vec3& v);

// A unit tangent and bitangent perpendicular to the given normal direction
// (which must be usable, any length) and to each other, with bitangent =
// cross(normal, tangent). For the up normal the tangent is +X.
TangentFrame tangentFrameFor(const glm::vec3& direction);

} // namespace tavernrush
