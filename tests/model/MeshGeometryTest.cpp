// Conversion of one Assimp mesh into buffer vertices and triangle indices,
// with the data a file may lack filled in and non-triangle faces dropped.

#include "model/MeshGeometry.h"

#include "model/TangentFrame.h"

#include <assimp/mesh.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <limits>

namespace tavernrush {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr float tolerance = 1e-5f;
const float nan = std::numeric_limits<float>::quiet_NaN();

// A mesh with positions only, as an OBJ file without vn and vt lines gives it.
class BareMesh {
public:
    explicit BareMesh(std::initializer_list<aiVector3D> positions)
    {
        mesh.mNumVertices = static_cast<unsigned>(positions.size());
        mesh.mVertices = new aiVector3D[positions.size()];
        unsigned i = 0;
        for (const aiVector3D& p : positions) {
            mesh.mVertices[i++] = p;
        }
    }

    void setFaces(std::initializer_list<std::initializer_list<unsigned>> faces)
    {
        mesh.mNumFaces = static_cast<unsigned>(faces.size());
        mesh.mFaces = new aiFace[faces.size()];
        unsigned f = 0;
        for (const auto& indices : faces) {
            aiFace& face = mesh.mFaces[f++];
            face.mNumIndices = static_cast<unsigned>(indices.size());
            face.mIndices = new unsigned[indices.size()];
            unsigned i = 0;
            for (const unsigned index : indices) {
                face.mIndices[i++] = index;
            }
        }
    }

    aiVector3D* addArray(aiVector3D*& slot)
    {
        slot = new aiVector3D[mesh.mNumVertices];
        return slot;
    }

    aiMesh mesh;
};

void expectUsableFrame(const MeshVertex& vertex)
{
    ASSERT_TRUE(isUsableDirection(vertex.normal));
    ASSERT_TRUE(isUsableDirection(vertex.tangent));
    ASSERT_TRUE(isUsableDirection(vertex.bitangent));
    const glm::vec3 normal = glm::normalize(vertex.normal);
    EXPECT_NEAR(glm::dot(normal, vertex.tangent), 0.0f, tolerance);
    EXPECT_NEAR(glm::dot(normal, vertex.bitangent), 0.0f, tolerance);
    EXPECT_NEAR(glm::length(vertex.tangent), 1.0f, tolerance);
    EXPECT_NEAR(glm::length(vertex.bitangent), 1.0f, tolerance);
}

TEST(MeshGeometryDataTest, FileDataIsCopiedAsIs)
{
    BareMesh bare{{1, 2, 3}, {4, 5, 6}, {7, 8, 9}};
    bare.setFaces({{0, 1, 2}});
    aiVector3D* normals = bare.addArray(bare.mesh.mNormals);
    aiVector3D* uvs = bare.addArray(bare.mesh.mTextureCoords[0]);
    aiVector3D* tangents = bare.addArray(bare.mesh.mTangents);
    aiVector3D* bitangents = bare.addArray(bare.mesh.mBitangents);
    for (unsigned i = 0; i < 3; ++i) {
        normals[i] = {0, 0, 2};
        uvs[i] = {0.25f * static_cast<float>(i), 0.5f, 0.75f};
        tangents[i] = {0, 3, 0};
        bitangents[i] = {-1, 0, 0};
    }

    const MeshGeometry geometry = convertMeshGeometry(bare.mesh);

    ASSERT_EQ(geometry.vertices.size(), 3u);
    const MeshVertex& v = geometry.vertices[2];
    EXPECT_EQ(v.position, glm::vec3(7, 8, 9));
    // Not normalised: the file's vectors reach the buffer unchanged.
    EXPECT_EQ(v.normal, glm::vec3(0, 0, 2));
    EXPECT_EQ(v.texCoords, glm::vec2(0.5f, 0.5f));
    EXPECT_EQ(v.tangent, glm::vec3(0, 3, 0));
    EXPECT_EQ(v.bitangent, glm::vec3(-1, 0, 0));
    EXPECT_THAT(geometry.indices, ElementsAre(0, 1, 2));
}

TEST(MeshGeometryDataTest, ZeroNormalsAndNanTangentsAreReplaced)
{
    // Assimp leaves zero normals on faces a file gave none, and NaN tangents
    // on the vertices of point and line faces.
    BareMesh bare{{0, 0, 0}, {1, 0, 0}, {0, 1, 0}};
    bare.setFaces({{0, 1, 2}});
    aiVector3D* normals = bare.addArray(bare.mesh.mNormals);
    aiVector3D* tangents = bare.addArray(bare.mesh.mTangents);
    aiVector3D* bitangents = bare.addArray(bare.mesh.mBitangents);
    normals[0] = {0, 0, 0};
    normals[1] = {0, 0, 1};
    normals[2] = {0, 0, 1};
    tangents[1] = {nan, nan, nan};
    bitangents[1] = {nan, nan, nan};
    tangents[2] = {1, 0, 0};
    bitangents[2] = {0, 0, 0};

    const MeshGeometry geometry = convertMeshGeometry(bare.mesh);

    EXPECT_EQ(geometry.vertices[0].normal, glm::vec3(0, 1, 0));
    for (const MeshVertex& v : geometry.vertices) {
        expectUsableFrame(v);
    }
}

TEST(MeshGeometryFacesTest, PointAndLineFacesAreSkipped)
{
    BareMesh bare{{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 1, 0}};
    bare.setFaces({{3}, {0, 1, 2}, {1, 3}, {3, 2, 1}});

    const MeshGeometry geometry = convertMeshGeometry(bare.mesh);

    EXPECT_THAT(geometry.indices, ElementsAre(0, 1, 2, 3, 2, 1));
    EXPECT_EQ(geometry.vertices.size(), 4u);
}

TEST(MeshGeometryFacesTest, FacesNamingMissingVerticesAreSkipped)
{
    BareMesh bare{{0, 0, 0}, {1, 0, 0}, {0, 1, 0}};
    bare.setFaces({{0, 1, 3}, {2, 1, 0}});

    EXPECT_THAT(convertMeshGeometry(bare.mesh).indices, ElementsAre(2, 1, 0));
}

TEST(MeshGeometryFacesTest, MeshWithoutVerticesGivesNothing)
{
    aiMesh mesh;
    const MeshGeometry geometry = convertMeshGeometry(mesh);
    EXPECT_THAT(geometry.vertices, IsEmpty());
    EXPECT_THAT(geometry.indices, IsEmpty());
}

} // namespace
} // namespace tavernrush
