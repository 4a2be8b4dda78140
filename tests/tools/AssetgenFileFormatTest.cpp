// The DDS writer and the OBJ texture-coordinate conventions, checked through
// the decoders the game uses.
#include "DdsFile.h"
#include "ImageFiles.h"
#include "ObjFile.h"
#include "Primitives.h"
#include "readback/GameDecoders.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

namespace tavernrush::assetgen {
namespace {

namespace fs = std::filesystem;

class TemporaryDirectory {
public:
    TemporaryDirectory()
        : path_(fs::temp_directory_path() / ("tavernrush-assetgen-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed())
                                             + "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name()))
    {
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~TemporaryDirectory() { fs::remove_all(path_); }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

// Four coloured quadrants: red top-left, green top-right, blue bottom-left,
// white bottom-right, with alpha falling from the top to the bottom.
Image quadrants(int size)
{
    Image image(size, size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const bool right = x >= size / 2;
            const bool bottom = y >= size / 2;
            glm::vec3 c = !bottom ? (right ? glm::vec3(0, 1, 0) : glm::vec3(1, 0, 0)) : (right ? glm::vec3(1) : glm::vec3(0, 0, 1));
            image.at(x, y) = glm::vec4(c, bottom ? 0.25f : 1.0f);
        }
    }
    return image;
}

TEST(FileFormats, DdsKeepsTheTopRowOnTopForFreeImage)
{
    const TemporaryDirectory directory;
    for (DdsFormat format : {DdsFormat::Dxt1, DdsFormat::Dxt5}) {
        const fs::path file = directory.path() / "quadrants.dds";
        writeDds(file, quadrants(16), format);
        const Image decoded = decodeWithFreeImage(file);
        ASSERT_EQ(decoded.width(), 16);
        ASSERT_EQ(decoded.height(), 16);
        EXPECT_GT(decoded.at(2, 2).r, 0.9f);
        EXPECT_LT(decoded.at(2, 2).g, 0.1f);
        EXPECT_GT(decoded.at(13, 2).g, 0.9f);
        EXPECT_GT(decoded.at(2, 13).b, 0.9f);
        EXPECT_GT(decoded.at(13, 13).r, 0.9f);
        EXPECT_GT(decoded.at(13, 13).b, 0.9f);
        if (format == DdsFormat::Dxt5) {
            EXPECT_NEAR(decoded.at(13, 13).a, 0.25f, 0.03f);
            EXPECT_NEAR(decoded.at(2, 2).a, 1.0f, 0.03f);
        }
    }
}

TEST(FileFormats, DdsRefusesSizesThatAreNoMultipleOfFour)
{
    EXPECT_THROW(encodeDds(Image(10, 8), DdsFormat::Dxt1), std::runtime_error);
    EXPECT_THROW(encodeDds(Image(0, 0), DdsFormat::Dxt1), std::runtime_error);
    EXPECT_EQ(encodeDds(Image(8, 4), DdsFormat::Dxt1).size(), 128u + 2u * 8u);
    EXPECT_EQ(encodeDds(Image(8, 4), DdsFormat::Dxt5).size(), 128u + 2u * 16u);
}

TEST(FileFormats, JpegAndPngKeepTheirOrientation)
{
    const TemporaryDirectory directory;
    writeJpeg(directory.path() / "q.jpg", quadrants(32), 95);
    writePng(directory.path() / "q.png", quadrants(32), true);
    for (const char* name : {"q.jpg", "q.png"}) {
        for (const Image& decoded : {decodeWithFreeImage(directory.path() / name), decodeWithStbImage(directory.path() / name)}) {
            ASSERT_EQ(decoded.width(), 32) << name;
            EXPECT_GT(decoded.at(4, 4).r, 0.85f) << name;
            EXPECT_GT(decoded.at(27, 4).g, 0.85f) << name;
            EXPECT_GT(decoded.at(4, 27).b, 0.85f) << name;
        }
    }
}

// One upright quad whose picture region is the whole picture, written with
// either convention and imported like the game imports models.
ImportedScene quadModel(const fs::path& directory, bool namesImage)
{
    Mesh mesh("quad", "surface");
    primitives::quad(mesh, {-1, -1, 0}, {1, -1, 0}, {1, 1, 0}, {-1, 1, 0}, PictureRegion{});
    ModelRecipe model;
    model.name = "quad";
    model.materials.push_back({"surface", glm::vec3(1), glm::vec3(0), 1.0f, namesImage ? "quadrants.png" : ""});
    model.meshes.push_back(mesh);
    writeModel(directory, model);
    return importLikeTheGame(directory / "quad.obj");
}

TEST(FileFormats, ObjCoordinatesShowBothKindsOfPictureUpright)
{
    const TemporaryDirectory directory;
    writePng(directory.path() / "quadrants.png", quadrants(32), false);
    const Image meshImage = decodeWithStbImage(directory.path() / "quadrants.png");
    const Image gamePicture = decodeWithFreeImage(directory.path() / "quadrants.png");
    for (bool namesImage : {true, false}) {
        SCOPED_TRACE(namesImage ? "material names its image" : "game binds its picture");
        const ImportedScene scene = quadModel(directory.path(), namesImage);
        ASSERT_TRUE(scene.error.empty()) << scene.error;
        ASSERT_EQ(scene.parts.size(), 1u);
        EXPECT_EQ(scene.parts[0].diffuseMaps.size(), namesImage ? 1u : 0u);
        const Image& picture = namesImage ? meshImage : gamePicture;
        const TextureKind kind = namesImage ? TextureKind::MeshImage : TextureKind::GamePicture;
        for (const ImportedVertex& v : scene.parts[0].vertices) {
            // Pull the corner sample a little inwards so it stays in its quadrant.
            const glm::vec2 st = glm::mix(v.texCoord, glm::vec2(0.5f), 0.2f);
            const glm::vec3 seen(sampleTexture(picture, kind, st));
            if (v.position.y > 0 && v.position.x < 0) {
                EXPECT_GT(seen.r, 0.8f) << "top-left corner shows red";
            } else if (v.position.y > 0) {
                EXPECT_GT(seen.g, 0.8f) << "top-right corner shows green";
            } else if (v.position.x < 0) {
                EXPECT_GT(seen.b, 0.8f) << "bottom-left corner shows blue";
            } else {
                EXPECT_GT(seen.r + seen.g + seen.b, 2.4f) << "bottom-right corner shows white";
            }
        }
    }
}

} // namespace
} // namespace tavernrush::assetgen
