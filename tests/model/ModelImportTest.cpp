// Reading OBJ files and their material libraries with Assimp, before any GL:
// a damaged library must not take the game down, a sound one reads as it is.

#include "model/ModelImport.h"

#include "ModelTestFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavernrush {
namespace {

using testing::TempDir;

constexpr const char* triangleWithMaterial = "mtllib look.mtl\n"
                                             "usemtl red\n"
                                             "v 0 0 0\nv 1 0 0\nv 0 1 0\n"
                                             "f 1 2 3\n";

struct MaterialSummary {
    std::string name;
    std::string diffuseTexture;
};

// The material of the model's one mesh.
MaterialSummary meshMaterial(const ModelImport& model)
{
    if (!model.usable() || model.meshes().size() != 1) {
        return {"(no single mesh)", ""};
    }
    const aiMaterial* material = model.materialOf(*model.meshes().front());
    if (material == nullptr) {
        return {"(none)", ""};
    }
    MaterialSummary summary;
    aiString text;
    if (material->Get(AI_MATKEY_NAME, text) == aiReturn_SUCCESS) {
        summary.name = text.C_Str();
    }
    if (material->GetTexture(aiTextureType_DIFFUSE, 0, &text) == aiReturn_SUCCESS) {
        summary.diffuseTexture = text.C_Str();
    }
    return summary;
}

TEST(ModelImportTest, SoundLibraryGivesTheMeshItsMaterial)
{
    TempDir dir;
    dir.write("look.mtl", "newmtl red\nKd 1 0 0\nmap_Kd wood.png\n");
    const ModelImport model = ModelImport::readFile(dir.write("model.obj", triangleWithMaterial));
    ASSERT_TRUE(model.usable()) << model.failure();
    EXPECT_TRUE(model.readErrors().empty());
    const MaterialSummary material = meshMaterial(model);
    EXPECT_EQ(material.name, "red");
    EXPECT_EQ(material.diffuseTexture, "wood.png");
}

// Assimp 5.2.5 writes through a null material for a texture line that comes
// before the first "newmtl": the whole game used to end there.
TEST(ModelImportTest, TextureBeforeTheFirstMaterialDoesNotCrash)
{
    for (const char* statement : {"map_Kd stray.png", "bump stray.png", "norm stray.png", "map_Kd -clamp on stray.png"}) {
        TempDir dir;
        dir.write("look.mtl", std::string(statement) + "\nnewmtl red\nmap_Kd wood.png\n");
        const ModelImport model = ModelImport::readFile(dir.write("model.obj", triangleWithMaterial));
        ASSERT_TRUE(model.usable()) << statement;
        EXPECT_EQ(meshMaterial(model).diffuseTexture, "wood.png") << statement;
    }
}

TEST(ModelImportTest, LibraryWithAByteOrderMarkStillReads)
{
    TempDir dir;
    dir.write("look.mtl", "\xEF\xBB\xBFnewmtl red\nmap_Kd wood.png\n");
    const ModelImport model = ModelImport::readFile(dir.write("model.obj", triangleWithMaterial));
    EXPECT_EQ(meshMaterial(model).name, "red");
    EXPECT_EQ(meshMaterial(model).diffuseTexture, "wood.png");
}

// As Assimp reads it without the guard: a library without the material.
TEST(ModelImportTest, EmptyLibraryLacksTheMaterial)
{
    TempDir dir;
    dir.write("look.mtl", "");
    const ModelImport model = ModelImport::readFile(dir.write("model.obj", triangleWithMaterial));
    ASSERT_TRUE(model.usable()) << model.failure();
    ASSERT_FALSE(model.readErrors().empty());
    EXPECT_NE(model.readErrors().front().find("failed to locate material red"), std::string::npos)
        << model.readErrors().front();
}

TEST(ModelImportTest, MissingLibraryIsAReadErrorNotAFailure)
{
    TempDir dir;
    const ModelImport model = ModelImport::readFile(dir.write("model.obj", triangleWithMaterial));
    ASSERT_TRUE(model.usable()) << model.failure();
    ASSERT_FALSE(model.readErrors().empty());
    EXPECT_NE(model.readErrors().front().find("look.mtl"), std::string::npos) << model.readErrors().front();
}

TEST(ModelImportTest, ModelInMemoryReadsLikeTheFile)
{
    const std::string text = "v 0 0 0\nv 1 0 0\nv 0 1 0\nv 1 1 0\nf 1 2 3 4\n";
    const ModelImport model =
        ModelImport::readMemory({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}, "obj", nullptr);
    ASSERT_TRUE(model.usable()) << model.failure();
    ASSERT_EQ(model.meshes().size(), 1u);
    EXPECT_EQ(model.meshes().front()->mNumFaces, 2u) << "the quad, triangulated";
    EXPECT_FALSE(ModelImport::readMemory({}, "obj", nullptr).usable());
}

} // namespace
} // namespace tavernrush
