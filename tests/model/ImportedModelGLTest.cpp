// Importing small OBJ files written by the tests: the mesh order, the
// per-model texture cache, texture kinds, missing data and broken files.

#include "model/ImportedModel.h"

#include "DrawProbe.h"
#include "support/GlTestContext.h"
#include "ModelTestFiles.h"
#include "model/TangentFrame.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

namespace tavernrush {
namespace {

using ::testing::IsEmpty;
using ::testing::SizeIs;
using ::testing::StartsWith;
using testing::CoutCapture;
using testing::DrawProbe;
using testing::TempDir;

class ImportedModelGLTest : public testing::GlTest {
protected:
    // The corners of triangle t of a mesh, through its index list.
    static std::vector<glm::vec3> triangleCorners(const ImportedMesh& mesh, std::size_t t)
    {
        std::vector<glm::vec3> corners;
        for (std::size_t k = 0; k < 3; ++k) {
            corners.push_back(mesh.vertices().at(mesh.indices().at(3 * t + k)).position);
        }
        return corners;
    }

    static std::vector<std::string> types(const std::vector<MeshTexture>& textures)
    {
        std::vector<std::string> result;
        for (const MeshTexture& texture : textures) {
            result.push_back(texture.type);
        }
        return result;
    }

    static std::vector<std::string> paths(const std::vector<MeshTexture>& textures)
    {
        std::vector<std::string> result;
        for (const MeshTexture& texture : textures) {
            result.push_back(texture.path);
        }
        return result;
    }

    TempDir dir;
};

using V = std::vector<glm::vec3>;
using S = std::vector<std::string>;

// --- Node walk -------------------------------------------------------------

TEST_F(ImportedModelGLTest, ObjectsAndGroupsBecomeMeshesInFileOrderWithFileCoordinates)
{
    const std::string path = dir.write("scene.obj", R"(v 0 0 0
v 1 0 0
v 0 1 0
v 10 20 30
v 11 20 30
v 10 21 30
v -5 -6 -7
v -4 -6 -7
v -5 -5 -7
o Crate
f 1 2 3
g Lid
f 4 5 6
o Barrel
g Hoop
f 7 8 9
)");
    CoutCapture out;
    const ImportedModel model(path);
    EXPECT_EQ(out.text(), "");

    ASSERT_THAT(model.meshes(), SizeIs(3));
    EXPECT_EQ(triangleCorners(model.meshes()[0], 0), (V{{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}));
    EXPECT_EQ(triangleCorners(model.meshes()[1], 0), (V{{10, 20, 30}, {11, 20, 30}, {10, 21, 30}}));
    EXPECT_EQ(triangleCorners(model.meshes()[2], 0), (V{{-5, -6, -7}, {-4, -6, -7}, {-5, -5, -7}}));
    EXPECT_EQ(model.directory(), dir.path().string());
}

// --- Texture cache and kinds ----------------------------------------------

TEST_F(ImportedModelGLTest, ImageNamedTwiceIsLoadedOnceAndTheCopyKeepsItsFirstType)
{
    dir.writeSolidPng("shared.png", 1, 1, {255, 0, 0});
    dir.writeSolidPng("other.png", 1, 1, {0, 255, 0});
    dir.write("props.mtl", R"(newmtl first
map_Kd shared.png
map_Ks shared.png
newmtl second
map_Kd shared.png
map_Ks other.png
)");
    const std::string path = dir.write("props.obj", R"(mtllib props.mtl
v 0 0 0
v 1 0 0
v 0 1 0
g One
usemtl first
f 1 2 3
g Two
usemtl second
f 3 2 1
)");
    CoutCapture out;
    const ImportedModel model(path);
    EXPECT_EQ(out.text(), "");

    ASSERT_THAT(model.meshes(), SizeIs(2));
    EXPECT_EQ(paths(model.textureCache()), (S{"shared.png", "other.png"}));
    const GLuint shared = model.textureCache()[0].id;
    const auto& first = model.meshes()[0].textures();
    const auto& second = model.meshes()[1].textures();
    ASSERT_THAT(first, SizeIs(2));
    ASSERT_THAT(second, SizeIs(2));
    // The specular slot of "first" is a copy of the diffuse entry.
    EXPECT_EQ(types(first), (S{"texture_diffuse", "texture_diffuse"}));
    EXPECT_EQ(first[0].id, shared);
    EXPECT_EQ(first[1].id, shared);
    EXPECT_EQ(second[0].id, shared);
    EXPECT_EQ(types(second), (S{"texture_diffuse", "texture_specular"}));
    EXPECT_NE(second[1].id, shared);
}

TEST_F(ImportedModelGLTest, TwoModelsLoadTheSameImageEachForItself)
{
    dir.writeSolidPng("wood.png", 1, 1, {90, 60, 30});
    dir.write("a.mtl", "newmtl wood\nmap_Kd wood.png\n");
    const std::string path = dir.write("a.obj", "mtllib a.mtl\nv 0 0 0\nv 1 0 0\nv 0 1 0\nusemtl wood\nf 1 2 3\n");

    const ImportedModel one(path);
    const ImportedModel two(path);
    ASSERT_THAT(one.textureCache(), SizeIs(1));
    ASSERT_THAT(two.textureCache(), SizeIs(1));
    EXPECT_NE(one.textureCache()[0].id, two.textureCache()[0].id);
}

TEST_F(ImportedModelGLTest, TextureKindsComeInDiffuseSpecularNormalHeightOrder)
{
    // Assimp's OBJ reader: map_Kd -> DIFFUSE, map_Ks -> SPECULAR, map_bump and
    // bump -> HEIGHT (our "texture_normal"), map_Ka -> AMBIENT (our
    // "texture_height"); map_Kn -> NORMALS, which the meshes do not load.
    for (const char* name : {"a.png", "b.png", "s.png", "d.png", "n.png", "bb.png"}) {
        dir.writeSolidPng(name, 1, 1, {1, 2, 3});
    }
    dir.write("kinds.mtl", R"(newmtl scrambled
map_Ka a.png
map_bump b.png
map_Ks s.png
map_Kd d.png
map_Kn n.png
newmtl plainbump
bump bb.png
)");
    const std::string path = dir.write("kinds.obj", R"(mtllib kinds.mtl
v 0 0 0
v 1 0 0
v 0 1 0
g One
usemtl scrambled
f 1 2 3
g Two
usemtl plainbump
f 1 2 3
)");
    CoutCapture out;
    const ImportedModel model(path);
    EXPECT_EQ(out.text(), "");

    ASSERT_THAT(model.meshes(), SizeIs(2));
    const auto& textures = model.meshes()[0].textures();
    EXPECT_EQ(paths(textures), (S{"d.png", "s.png", "b.png", "a.png"}));
    EXPECT_EQ(types(textures), (S{"texture_diffuse", "texture_specular", "texture_normal", "texture_height"}));
    EXPECT_EQ(paths(model.meshes()[1].textures()), (S{"bb.png"}));
    EXPECT_EQ(types(model.meshes()[1].textures()), (S{"texture_normal"}));
    // Loading order, and nothing loaded for map_Kn.
    EXPECT_EQ(paths(model.textureCache()), (S{"d.png", "s.png", "b.png", "a.png", "bb.png"}));
}

// --- Texture files ---------------------------------------------------------

TEST_F(ImportedModelGLTest, MissingTextureIsReportedByMaterialPathAndKeptAsEntry)
{
    dir.writeSolidPng("maps/found.png", 1, 1, {7, 7, 7});
    dir.write("m.mtl", "newmtl m\nmap_Kd maps/gone.png\nmap_Ks maps/found.png\n");
    const std::string path = dir.write("m.obj", "mtllib m.mtl\nv 0 0 0\nv 1 0 0\nv 0 1 0\nusemtl m\nf 1 2 3\n");

    CoutCapture out;
    const ImportedModel model(path);
    // One line for the missing image, none for the one in the sub-folder.
    EXPECT_EQ(out.text(), "Texture failed to load at path: maps/gone.png\n");

    ASSERT_THAT(model.meshes(), SizeIs(1));
    const auto& textures = model.meshes()[0].textures();
    ASSERT_THAT(textures, SizeIs(2));
    EXPECT_EQ(textures[0].path, "maps/gone.png");
    EXPECT_EQ(textures[0].type, "texture_diffuse");
    EXPECT_NE(textures[0].id, 0u);
    EXPECT_NE(textures[0].id, textures[1].id);
    EXPECT_THAT(model.textureCache(), SizeIs(2));

    // The mesh still draws with the empty texture on unit 0.
    DrawProbe probe;
    probe.begin();
    EXPECT_EQ(probe.countPrimitives([&] { model.draw(); }), 1u);
}

TEST_F(ImportedModelGLTest, PathWithoutSlashIsItsOwnDirectory)
{
    // Texture lookups then go inside a folder named like the model file,
    // which cannot exist, so even an image lying beside the model is missed.
    dir.writeSolidPng("wood.png", 1, 1, {1, 1, 1});
    dir.write("crate.mtl", "newmtl wood\nmap_Kd wood.png\n");
    dir.write("crate.obj", "mtllib crate.mtl\nv 0 0 0\nv 1 0 0\nv 0 1 0\nusemtl wood\nf 1 2 3\n");
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());

    std::string printed;
    {
        CoutCapture out;
        const ImportedModel model("crate.obj");
        printed = out.text();
        EXPECT_EQ(model.directory(), "crate.obj");
        EXPECT_THAT(model.meshes(), SizeIs(1));
    }
    std::filesystem::current_path(previous);
    EXPECT_EQ(printed, "Texture failed to load at path: wood.png\n");
}

// --- Missing vertex data and non-triangle faces ----------------------------

TEST_F(ImportedModelGLTest, MeshWithoutNormalsOrUvsGetsUsableStandIns)
{
    const std::string path = dir.write("bare.obj", "v 0 0 0\nv 1 0 0\nv 0 0 1\nf 1 2 3\n");
    const ImportedModel model(path);

    ASSERT_THAT(model.meshes(), SizeIs(1));
    ASSERT_THAT(model.meshes()[0].vertices(), SizeIs(3));
    for (const MeshVertex& v : model.meshes()[0].vertices()) {
        EXPECT_EQ(v.normal, glm::vec3(0, 1, 0));
        EXPECT_EQ(v.texCoords, glm::vec2(0, 0));
        EXPECT_EQ(v.tangent, glm::vec3(1, 0, 0));
        EXPECT_EQ(v.bitangent, glm::vec3(0, 0, -1));
    }
}

TEST_F(ImportedModelGLTest, NormalsWithoutUvsKeepTheFileNormalsAndGetAPerpendicularFrame)
{
    // Assimp derives no tangents without texture coordinates.
    const std::string path = dir.write("nouv.obj", "v 0 0 0\nv 1 0 0\nv 0 1 0\nvn 0 0 1\nf 1//1 2//1 3//1\n");
    const ImportedModel model(path);

    ASSERT_THAT(model.meshes(), SizeIs(1));
    for (const MeshVertex& v : model.meshes()[0].vertices()) {
        EXPECT_EQ(v.normal, glm::vec3(0, 0, 1));
        EXPECT_EQ(v.texCoords, glm::vec2(0, 0));
        EXPECT_TRUE(isUsableDirection(v.tangent));
        EXPECT_NEAR(glm::dot(v.tangent, v.normal), 0.0f, 1e-5f);
        EXPECT_NEAR(glm::dot(v.bitangent, v.normal), 0.0f, 1e-5f);
        EXPECT_NEAR(glm::length(v.bitangent), 1.0f, 1e-5f);
    }
}

TEST_F(ImportedModelGLTest, FullFileDataIsKeptWithUvsFlipped)
{
    const std::string path = dir.write("full.obj", R"(v 0 0 0
v 1 0 0
v 0 1 0
vt 0 0
vt 1 0
vt 0 0.25
vn 0 0 1
f 1/1/1 2/2/1 3/3/1
)");
    const ImportedModel model(path);

    ASSERT_THAT(model.meshes(), SizeIs(1));
    const auto& vertices = model.meshes()[0].vertices();
    ASSERT_THAT(vertices, SizeIs(3));
    EXPECT_EQ(vertices[2].texCoords, glm::vec2(0, 0.75f));
    // u grows along +X and v (after the flip) along -Y.
    EXPECT_NEAR(glm::distance(vertices[0].tangent, glm::vec3(1, 0, 0)), 0.0f, 1e-5f);
    EXPECT_NEAR(glm::distance(vertices[0].bitangent, glm::vec3(0, -1, 0)), 0.0f, 1e-5f);
}

TEST_F(ImportedModelGLTest, PointAndLineFacesAreSkipped)
{
    const std::string path = dir.write("mixed.obj", R"(v 0 0 0
v 1 0 0
v 0 1 0
v 1 1 0
vt 0 0
vn 0 0 1
l 1 2
f 1/1/1 2/1/1 3/1/1
p 4
l 2 3 4
)");
    const ImportedModel model(path);

    ASSERT_THAT(model.meshes(), SizeIs(1));
    const ImportedMesh& mesh = model.meshes()[0];
    ASSERT_THAT(mesh.indices(), SizeIs(3));
    EXPECT_EQ(triangleCorners(mesh, 0), (V{{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}));
    // Assimp gives the point and line vertices NaN tangents.
    for (const MeshVertex& v : mesh.vertices()) {
        EXPECT_TRUE(isUsableDirection(v.tangent));
        EXPECT_TRUE(isUsableDirection(v.bitangent));
    }

    DrawProbe probe;
    probe.begin();
    EXPECT_EQ(probe.countPrimitives([&] { model.draw(); }), 1u);
}

TEST_F(ImportedModelGLTest, LinesOnlyFileGivesAMeshThatDrawsNothing)
{
    const std::string path = dir.write("lines.obj", "v 0 0 0\nv 1 0 0\nv 0 1 0\nl 1 2\nl 2 3\np 1\n");
    const ImportedModel model(path);

    ASSERT_THAT(model.meshes(), SizeIs(1));
    EXPECT_THAT(model.meshes()[0].indices(), IsEmpty());
    DrawProbe probe;
    probe.begin();
    EXPECT_EQ(probe.countPrimitives([&] { model.draw(); }), 0u);
}

// --- Files that cannot be imported -----------------------------------------

struct BrokenModel {
    const char* name;
    std::string contents;
    bool written; // false: no file at the path at all
};

void PrintTo(const BrokenModel& model, std::ostream* out) { *out << model.name; }

class BrokenModelGLTest : public ImportedModelGLTest, public ::testing::WithParamInterface<BrokenModel> {};

TEST_P(BrokenModelGLTest, PrintsTheAssimpErrorAndGivesAnEmptyModelThatDrawsNothing)
{
    const std::string path = dir.file("broken.obj");
    if (GetParam().written) {
        dir.write("broken.obj", GetParam().contents);
    }

    CoutCapture out;
    const ImportedModel model(path);
    const std::string printed = out.text();
    EXPECT_THAT(printed, StartsWith("ERROR::ASSIMP:: "));
    EXPECT_GT(printed.size(), std::string("ERROR::ASSIMP:: \n").size()) << "the importer's reason is missing";
    EXPECT_EQ(printed.find('\n'), printed.size() - 1) << "one line: " << printed;
    EXPECT_THAT(model.meshes(), IsEmpty());
    EXPECT_THAT(model.textureCache(), IsEmpty());

    DrawProbe probe;
    probe.begin();
    EXPECT_EQ(probe.countPrimitives([&] { model.draw(); }), 0u);
    EXPECT_EQ(probe.centrePixel(), (std::array<unsigned char, 4>{0, 0, 255, 255}));
}

std::string garbageBytes()
{
    std::string bytes;
    unsigned state = 12345;
    for (int i = 0; i < 4096; ++i) {
        state = state * 1103515245u + 12345u;
        bytes.push_back(static_cast<char>(state >> 16));
    }
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(Files, BrokenModelGLTest,
                         ::testing::Values(BrokenModel{"Missing", "", false}, BrokenModel{"ZeroLength", "", true},
                                           BrokenModel{"Garbage", garbageBytes(), true},
                                           BrokenModel{"IndexOutOfRange", "v 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 9\n", true}),
                         [](const ::testing::TestParamInfo<BrokenModel>& info) { return std::string(info.param.name); });

TEST_F(ImportedModelGLTest, MissingMaterialFileImportsWithoutTextures)
{
    const std::string path = dir.write("nomtl.obj", "mtllib nowhere.mtl\nv 0 0 0\nv 1 0 0\nv 0 1 0\nusemtl lost\nf 1 2 3\n");
    const ImportedModel model(path);
    ASSERT_THAT(model.meshes(), SizeIs(1));
    EXPECT_THAT(model.meshes()[0].textures(), IsEmpty());
    EXPECT_THAT(model.meshes()[0].indices(), SizeIs(3));
}

} // namespace
} // namespace tavernrush
