// The generated tree in the build directory: every file the game opens is
// there and decodes with the decoder the game uses for it.
#include "AssetCatalog.h"
#include "game/LevelFiles.h"
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

bool finite(const glm::vec3& v)
{
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

TEST(AssetTree, GamePicturesDecodeWithFreeImage)
{
    for (const std::string& file : files::texturePictures()) {
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
    std::vector<std::string> pictures = files::animationFrames();
    const std::vector<std::string> digits = files::counterDigits();
    pictures.insert(pictures.end(), digits.begin(), digits.end());
    for (const std::string& file : pictures) {
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
    for (const std::string& file : files::texturePictures()) {
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
    for (const std::string& file : files::skyFacePictures()) {
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
    for (const std::string& file : files::models()) {
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
    for (const std::string& file : files::models()) {
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

TEST(AssetTree, CatalogueCoversEveryFileTheGameOpens)
{
    std::vector<std::string> catalogued;
    for (const AssetEntry& entry : assetCatalog()) {
        catalogued.insert(catalogued.end(), entry.files.begin(), entry.files.end());
    }
    const std::vector<std::string> shaders = files::shaderStages();
    for (const std::string& file : files::gameFiles()) {
        // The shaders are written by hand and copied in by the build.
        if (std::find(shaders.begin(), shaders.end(), file) != shaders.end()) {
            EXPECT_TRUE(fs::is_regular_file(assets / file)) << file;
            continue;
        }
        EXPECT_NE(std::find(catalogued.begin(), catalogued.end(), file), catalogued.end()) << file;
    }
    for (const std::string& file : catalogued) {
        EXPECT_TRUE(fs::is_regular_file(assets / file)) << file;
    }
}

} // namespace
} // namespace tavernrush::assetgen
