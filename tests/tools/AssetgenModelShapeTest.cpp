// The generated models have the sizes and orientations the game's distance
// rules assume, and their texture coordinates land where the pictures the
// game binds expect them.
#include "readback/GameDecoders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <limits>

namespace tavernrush::assetgen {
namespace {

namespace fs = std::filesystem;
const fs::path assets = "assets";

struct Bounds3 {
    glm::vec3 min{std::numeric_limits<float>::max()};
    glm::vec3 max{std::numeric_limits<float>::lowest()};
    glm::vec3 size() const { return max - min; }
    glm::vec3 centre() const { return (min + max) * 0.5f; }
};

std::vector<ImportedVertex> verticesOf(const std::string& model)
{
    const ImportedScene scene = importLikeTheGame(assets / "meshes" / model);
    EXPECT_TRUE(scene.error.empty()) << model << ": " << scene.error;
    std::vector<ImportedVertex> all;
    for (const ImportedPart& part : scene.parts) {
        all.insert(all.end(), part.vertices.begin(), part.vertices.end());
    }
    return all;
}

Bounds3 boundsOf(const std::vector<ImportedVertex>& vertices)
{
    Bounds3 b;
    for (const ImportedVertex& v : vertices) {
        b.min = glm::min(b.min, v.position);
        b.max = glm::max(b.max, v.position);
    }
    return b;
}

const ImportedVertex& highest(const std::vector<ImportedVertex>& vertices)
{
    return *std::max_element(vertices.begin(), vertices.end(),
                             [](const ImportedVertex& a, const ImportedVertex& b) { return a.position.y < b.position.y; });
}

// The colour the game shows at a vertex of a model drawn with a bound picture.
glm::vec3 boundColourAt(const std::string& picture, const ImportedVertex& v)
{
    return glm::vec3(sampleTexture(decodeWithFreeImage(assets / "textures" / picture), TextureKind::GamePicture, v.texCoord));
}

TEST(ModelShape, FigureStandsOnItsOriginFourUnitsTallFacingMinusZ)
{
    const std::vector<ImportedVertex> vertices = verticesOf("sprinto.obj");
    const Bounds3 b = boundsOf(vertices);
    EXPECT_NEAR(b.min.y, 0.0f, 0.05f);
    EXPECT_GT(b.max.y, 3.7f);
    EXPECT_LT(b.max.y, 4.3f);
    EXPECT_LT(std::abs(b.centre().x), 0.1f);
    // The toes point forward: at foot level the figure reaches further to -z.
    float front = 0.0f;
    float back = 0.0f;
    for (const ImportedVertex& v : vertices) {
        if (v.position.y < 0.35f) {
            front = std::max(front, -v.position.z);
            back = std::max(back, v.position.z);
        }
    }
    EXPECT_GT(front, back + 0.2f);
    // The carried bag sits 0.5 behind the origin at 3.5: the back stays clear of most of it.
    EXPECT_LT(b.max.z, 0.75f);
}

TEST(ModelShape, UnicornIsTwoAndAHalfToThreeTallWithItsHornForward)
{
    const std::vector<ImportedVertex> vertices = verticesOf("unicorns.obj");
    const Bounds3 b = boundsOf(vertices);
    EXPECT_NEAR(b.min.y, 0.0f, 0.05f);
    EXPECT_GE(b.max.y, 2.5f);
    EXPECT_LE(b.max.y, 3.0f);
    // The horn tip is the highest point and leads towards -x.
    const ImportedVertex& tip = highest(vertices);
    EXPECT_LT(tip.position.x, -1.0f);
    const glm::vec3 colour = boundColourAt("unicornM.jpg", tip);
    EXPECT_GT(colour.r, 0.7f) << "the horn should show the atlas gold";
    EXPECT_LT(colour.b, colour.r * 0.6f);
}

TEST(ModelShape, FigurePlumeShowsTheAtlasRed)
{
    const std::vector<ImportedVertex> vertices = verticesOf("sprinto.obj");
    const glm::vec3 colour = boundColourAt("metall.jpg", highest(vertices));
    EXPECT_GT(colour.r, 0.6f);
    EXPECT_LT(colour.g, 0.4f);
}

TEST(ModelShape, LadderIsSixHighAndStandsOnTheGround)
{
    const Bounds3 b = boundsOf(verticesOf("leiter.obj"));
    EXPECT_NEAR(b.min.y, 0.0f, 0.05f);
    EXPECT_NEAR(b.max.y, 6.0f, 0.3f);
    EXPECT_LT(glm::length(glm::vec2(b.centre().x, b.centre().z)), 0.5f);
}

TEST(ModelShape, BrickWallIsFiveByThreeByPointFourAroundItsOrigin)
{
    const std::vector<ImportedVertex> vertices = verticesOf("wand.obj");
    const Bounds3 b = boundsOf(vertices);
    EXPECT_NEAR(b.size().x, 5.0f, 0.01f);
    EXPECT_NEAR(b.size().y, 3.0f, 0.01f);
    EXPECT_NEAR(b.size().z, 0.4f, 0.01f);
    EXPECT_NEAR(glm::length(b.centre()), 0.0f, 0.01f);
}

TEST(ModelShape, BrickWallFrontShowsTheWholeBrickPictureUpright)
{
    // The game binds bricks.jpg (bottom row at t = 0) and the normal map;
    // the front face must span it corner to corner with t growing upwards,
    // and its tangent frame must follow the picture's right and up.
    int frontVertices = 0;
    for (const ImportedVertex& v : verticesOf("wand.obj")) {
        if (v.normal.z < 0.99f) {
            continue;
        }
        ++frontVertices;
        EXPECT_NEAR(v.texCoord.x, (v.position.x + 2.5f) / 5.0f, 1e-3f);
        EXPECT_NEAR(v.texCoord.y, (v.position.y + 1.5f) / 3.0f, 1e-3f);
        EXPECT_GT(glm::dot(glm::normalize(v.tangent), glm::vec3(1, 0, 0)), 0.99f);
        EXPECT_GT(glm::dot(glm::normalize(v.bitangent), glm::vec3(0, 1, 0)), 0.99f);
    }
    EXPECT_GE(frontVertices, 4);
}

TEST(ModelShape, ModelsDrawnWithAGamePictureStayInsideIt)
{
    // Game pictures clamp at their edges; coordinates outside 0..1 would smear.
    for (const char* model : {"sprinto.obj", "unicorns.obj", "wand.obj", "bag.obj", "klo.obj"}) {
        for (const ImportedVertex& v : verticesOf(model)) {
            ASSERT_GE(v.texCoord.x, -1e-4f) << model;
            ASSERT_LE(v.texCoord.x, 1.0001f) << model;
            ASSERT_GE(v.texCoord.y, -1e-4f) << model;
            ASSERT_LE(v.texCoord.y, 1.0001f) << model;
        }
    }
}

TEST(ModelShape, ToiletHutFloorMeetsTheGroundWhenPlacedAtHeightTwo)
{
    const Bounds3 b = boundsOf(verticesOf("klo.obj"));
    EXPECT_NEAR(b.min.y + 2.0f, 0.0f, 0.01f);
    // Tall enough to walk into, about centred on its origin.
    EXPECT_GT(b.max.y + 2.0f, 5.0f);
    EXPECT_LT(glm::length(glm::vec2(b.centre().x, b.centre().z)), 0.3f);
}

TEST(ModelShape, BagIsSmallAndCentredForItsSpin)
{
    const Bounds3 b = boundsOf(verticesOf("bag.obj"));
    EXPECT_LT(std::max({b.size().x, b.size().y, b.size().z}), 1.3f);
    EXPECT_GT(b.size().y, 0.6f);
    EXPECT_LT(glm::length(b.centre()), 0.2f);
}

TEST(ModelShape, TerrainIsAGentleHeightField)
{
    const Bounds3 b = boundsOf(verticesOf("terrain.obj"));
    EXPECT_GT(b.size().x, 50.0f);
    EXPECT_GT(b.size().z, 50.0f);
    EXPECT_GT(b.size().y, 0.1f);
    EXPECT_LT(b.size().y, 5.0f);
}

} // namespace
} // namespace tavernrush::assetgen
