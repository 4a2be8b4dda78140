#pragma once
// The CPU side of an imported mesh: the vertices in buffer format and the
// triangle list, taken from one Assimp mesh.

#include "model/MeshVertex.h"

#include <cstdint>
#include <vector>

struct aiMesh;

namespace tavernrush {

struct MeshGeometry {
    std::vector<MeshVertex> vertices;
    std::vector<std::uint32_t> indices; // three per triangle
};

// Copies positions, normals, the first texture-coordinate set and the tangent
// frame. Whatever the mesh lacks is filled in (up normal, (0, 0) coordinates,
// a frame perpendicular to the normal) so no vertex carries a zero or NaN
// direction. Point and line faces, which triangulation leaves as 1- and
// 2-index faces, are dropped, as are faces naming a vertex that does not
// exist, so the index list is always whole, valid triangles.
MeshGeometry convertMeshGeometry(const aiMesh& mesh);

} // namespace tavernrush
