#pragma once
// One vertex of an imported mesh. The struct is the vertex buffer format: the
// GL attribute pointers are built from these offsets, so the layout is pinned
// down at compile time rather than trusted to the compiler's packing.

#include <glm/glm.hpp>

#include <cstddef>

namespace tavernrush {

struct MeshVertex {
    glm::vec3 position;
    glm::vec3 normal;
    glm::vec2 texCoords;
    glm::vec3 tangent;
    glm::vec3 bitangent;
};

static_assert(sizeof(MeshVertex) == 56, "the vertex buffer stride is 56 bytes");
static_assert(offsetof(MeshVertex, position) == 0);
static_assert(offsetof(MeshVertex, normal) == 12);
static_assert(offsetof(MeshVertex, texCoords) == 24);
static_assert(offsetof(MeshVertex, tangent) == 32);
static_assert(offsetof(MeshVertex, bitangent) == 44);

// Shader attribute locations of the mesh programs.
inline constexpr unsigned meshPositionLocation = 0;
inline constexpr unsigned meshNormalLocation = 1;
inline constexpr unsigned meshTexCoordsLocation = 2;
inline constexpr unsigned meshTangentLocation = 3;
inline constexpr unsigned meshBitangentLocation = 4;

} // namespace tavernrush
