#include "model/MeshGeometry.h"

#include "model/TangentFrame.h"

#include <assimp/mesh.h>

namespace tavernrush {
namespace {

glm::vec3 toVec3(const aiVector3D& v) { return {v.x, v.y, v.z}; }

MeshVertex convertVertex(const aiMesh& mesh, unsigned index)
{
    MeshVertex vertex;
    vertex.position = toVec3(mesh.mVertices[index]);

    // A file may give normals to some faces only; the others come out zero.
    vertex.normal = fallbackNormal;
    if (mesh.mNormals != nullptr && isUsableDirection(toVec3(mesh.mNormals[index]))) {
        vertex.normal = toVec3(mesh.mNormals[index]);
    }

    if (mesh.mTextureCoords[0] != nullptr) {
        const aiVector3D& uv = mesh.mTextureCoords[0][index];
        vertex.texCoords = {uv.x, uv.y};
    }

    // Assimp derives tangents only from normals plus texture coordinates, and
    // marks the vertices of point and line faces with NaN.
    const TangentFrame fallback = tangentFrameFor(vertex.normal);
    vertex.tangent = fallback.tangent;
    vertex.bitangent = fallback.bitangent;
    if (mesh.mTangents != nullptr && mesh.mBitangents != nullptr) {
        const glm::vec3 tangent = toVec3(mesh.mTangents[index]);
        const glm::vec3 bitangent = toVec3(mesh.mBitangents[index]);
        if (isUsableDirection(tangent) && isUsableDirection(bitangent)) {
            vertex.tangent = tangent;
            vertex.bitangent = bitangent;
        }
    }
    return vertex;
}

bool isWholeTriangle(const aiFace& face, unsigned vertexCount)
{
    if (face.mNumIndices != 3 || face.mIndices == nullptr) {
        return false;
    }
    for (unsigned i = 0; i < 3; ++i) {
        if (face.mIndices[i] >= vertexCount) {
            return false;
        }
    }
    return true;
}

} // namespace

MeshGeometry convertMeshGeometry(const aiMesh& mesh)
{
    MeshGeometry geometry;
    if (mesh.mVertices == nullptr) {
        return geometry;
    }

    geometry.vertices.reserve(mesh.mNumVertices);
    for (unsigned i = 0; i < mesh.mNumVertices; ++i) {
        geometry.vertices.push_back(convertVertex(mesh, i));
    }

    if (mesh.mFaces != nullptr) {
        geometry.indices.reserve(static_cast<std::size_t>(mesh.mNumFaces) * 3);
        for (unsigned f = 0; f < mesh.mNumFaces; ++f) {
            const aiFace& face = mesh.mFaces[f];
            if (isWholeTriangle(face, mesh.mNumVertices)) {
                geometry.indices.insert(geometry.indices.end(), face.mIndices, face.mIndices + 3);
            }
        }
    }
    return geometry;
}

} // namespace tavernrush
