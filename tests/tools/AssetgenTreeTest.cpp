// The generated tree in the build directory: every file the game opens is
// there and decodes with the decoder the game uses for it.
#include "AssetCatalog.h"
#include "Recipes.h"
#include "game/AssetTable.h"
#include "readback/GameDecoders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace tavernrush::assetgen {
namespace {

namespace fs = std::filesystem;

// Tests run in the build directory, where the build generated assets/.
const fs::path assets = "assets";

std::vector<std::string> filesOfKind(AssetKind kind)
{
    std::vector<std::string> files;
    for (const AssetRow& row : asset::kindRows(kind)) {
        for (std::string& file : asset::filesOf(row)) {
            files.push_back(std::move(file));
        }
    }
    return files;
}

// Every picture that gets mipmaps at run time: those the level makes
// textures of at start-up and those the rules switch to.
std::vector<std::string> texturePictures()
{
    std::vector<std::string> files = filesOfKind(AssetKind::Texture);
    const std::vector<std::string> pictures = filesOfKind(AssetKind::Picture);
    files.insert(files.end(), pictures.begin(), pictures.end());
    return files;
}

bool finite(const glm::vec3& v)
{
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

TEST(AssetTree, GamePicturesDecodeWithFreeImage)
{
    for (const std::string& file : texturePictures()) {
        SCOPED_TRACE(file);
        ASSERT_TRUE(fs::is_regular_file(assets / file));
        const Image picture = decodeWithFreeImage(assets / file);
        ASSERT_FALSE(picture.empty());
        EXPECT_GE(picture.width(), 16);
        EXPECT_GE(picture.height(), 16);
    }
}

TEST(AssetTree, PicturesDecodedDuringPlayStaySmall)
{
    for (const std::string& file : filesOfKind(AssetKind::Picture)) {
        SCOPED_TRACE(file);
        const Image picture = decodeWithFreeImage(assets / file);
        ASSERT_FALSE(picture.empty());
        EXPECT_LE(picture.width(), 256);
        EXPECT_LE(picture.height(), 256);
    }
}

bool powerOfTwo(int size) { return size > 0 && (size & (size - 1)) == 0; }

// Every picture that gets mipmaps at run time: a software driver compiles a
// new mipmap shader for each shape that is not a power of two.
TEST(AssetTree, MipmappedPicturesArePowersOfTwo)
{
    // The animation frames and the counter digits are among them.
    for (const std::string& file : texturePictures()) {
        SCOPED_TRACE(file);
        const Image picture = decodeWithFreeImage(assets / file);
        ASSERT_FALSE(picture.empty());
        EXPECT_TRUE(powerOfTwo(picture.width())) << picture.width();
        EXPECT_TRUE(powerOfTwo(picture.height())) << picture.height();
    }
}

TEST(AssetTree, SkyFacesAreEqualSquares)
{
    int size = 0;
    for (const std::string& file : filesOfKind(AssetKind::CubeMap)) {
        SCOPED_TRACE(file);
        const Image face = decodeWithFreeImage(assets / file);
        ASSERT_FALSE(face.empty());
        EXPECT_EQ(face.width(), face.height());
        if (size == 0) {
            size = face.width();
        }
        EXPECT_EQ(face.width(), size);
    }
}

TEST(AssetTree, ModelsImportWithNormalsTextureCoordinatesAndTangents)
{
    for (const std::string& file : filesOfKind(AssetKind::Model)) {
        SCOPED_TRACE(file);
        const ImportedScene scene = importLikeTheGame(assets / file);
        ASSERT_TRUE(scene.error.empty()) << scene.error;
        ASSERT_FALSE(scene.parts.empty());
        for (const ImportedPart& part : scene.parts) {
            EXPECT_TRUE(part.hasNormals);
            EXPECT_TRUE(part.hasTexCoords);
            EXPECT_TRUE(part.hasTangents);
            ASSERT_FALSE(part.indices.empty());
            EXPECT_EQ(part.indices.size() % 3, 0u);
            int badFrames = 0;
            for (const ImportedVertex& v : part.vertices) {
                EXPECT_NEAR(glm::length(v.normal), 1.0f, 1e-3f);
                if (!finite(v.tangent) || !finite(v.bitangent) || glm::length(v.tangent) < 0.5f
                    || glm::length(v.bitangent) < 0.5f) {
                    ++badFrames;
                }
            }
            EXPECT_EQ(badFrames, 0) << "vertices without a usable tangent frame";
        }
    }
}

TEST(AssetTree, ImagesNamedByMaterialsDecodeWithStbImage)
{
    int named = 0;
    for (const std::string& file : filesOfKind(AssetKind::Model)) {
        const ImportedScene scene = importLikeTheGame(assets / file);
        for (const ImportedPart& part : scene.parts) {
            for (const std::string& image : part.diffuseMaps) {
                SCOPED_TRACE(file + " names " + image);
                // The game joins the material path to the model's directory.
                int channels = 0;
                const Image decoded = decodeWithStbImage((assets / file).parent_path() / image, &channels);
                ASSERT_FALSE(decoded.empty());
                EXPECT_TRUE(channels == 3 || channels == 4);
                ++named;
            }
        }
    }
    // The ladder, the plain wall and the terrain bring their own pictures.
    EXPECT_GE(named, 3);
}

TEST(AssetTree, EveryRowIsWrittenByItsRecipeOrCopiedInByTheBuild)
{
    std::vector<std::string> catalogued;
    for (const AssetEntry& entry : assetCatalog()) {
        catalogued.insert(catalogued.end(), entry.files.begin(), entry.files.end());
    }
    for (const AssetRow& row : asset::table()) {
        for (const std::string& file : asset::filesOf(row)) {
            EXPECT_TRUE(fs::is_regular_file(assets / file)) << file;
            // The shaders are written by hand and copied in by the build.
            if (row.recipe != handWritten) {
                EXPECT_NE(std::find(catalogued.begin(), catalogued.end(), file), catalogued.end()) << file;
            }
        }
    }
    for (const Recipe& recipe : recipes()) {
        const auto rows = asset::table();
        EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [&](const AssetRow& row) { return row.recipe == recipe.name; }))
            << "no row names the recipe " << recipe.name;
    }
}

} // namespace
} // namespace tavernrush::assetgen
