// The modelling building blocks: closed primitives face outwards, mirrored
// placements keep faces outward, atlas regions keep their margin, and the
// ground picture lines up with the game's ground plane.
#include "Atlas.h"
#include "Mesh.h"
#include "Primitives.h"
#include "pictures/CounterDigits.h"
#include "pictures/LevelGround.h"
#include "readback/GameDecoders.h"

#include <glm/gtc/matrix_transform.hpp>
#include <gtest/gtest.h>

#include <cmath>

namespace tavernrush::assetgen {
namespace {

// Every triangle's winding normal points away from `centre` and agrees with
// its vertex normals; no triangle is degenerate.
void expectClosedAndOutward(const Mesh& mesh, const glm::vec3& centre)
{
    const auto& v = mesh.vertices();
    const auto& idx = mesh.indices();
    ASSERT_FALSE(idx.empty());
    for (std::size_t i = 0; i + 2 < idx.size(); i += 3) {
        const glm::vec3& a = v[idx[i]].position;
        const glm::vec3& b = v[idx[i + 1]].position;
        const glm::vec3& c = v[idx[i + 2]].position;
        const glm::vec3 cross = glm::cross(b - a, c - a);
        ASSERT_GT(glm::length(cross), 1e-7f) << "degenerate triangle " << i / 3;
        const glm::vec3 n = glm::normalize(cross);
        EXPECT_GT(glm::dot(n, (a + b + c) / 3.0f - centre), 0.0f) << "triangle " << i / 3 << " faces inwards";
        EXPECT_GT(glm::dot(n, v[idx[i]].normal), 0.0f) << "triangle " << i / 3 << " disagrees with its normals";
    }
}

TEST(Modelling, PrimitivesAreClosedAndFaceOutwards)
{
    const PictureRegion region;
    {
        Mesh box("b", "m");
        primitives::box(box, glm::translate(glm::mat4(1.0f), glm::vec3(1, 2, 3)), {2, 1, 0.5f}, region);
        expectClosedAndOutward(box, {1, 2, 3});
        EXPECT_EQ(box.indices().size(), 36u);
    }
    {
        Mesh cone("c", "m");
        primitives::frustum(cone, glm::mat4(1.0f), 1.0f, 0.0f, 2.0f, 8, region, region, primitives::Shading::Flat);
        expectClosedAndOutward(cone, {0, 0.5f, 0});
    }
    {
        Mesh ball("e", "m");
        primitives::ellipsoid(ball, glm::mat4(1.0f), {1, 2, 1}, 10, 6, region, primitives::Shading::Smooth);
        expectClosedAndOutward(ball, {0, 0, 0});
        for (const Vertex& p : ball.vertices()) {
            const glm::vec3 q = p.position / glm::vec3(1, 2, 1);
            EXPECT_NEAR(glm::length(q), 1.0f, 1e-4f);
        }
    }
    {
        Mesh rod("t", "m");
        primitives::tube(rod, {{0, 0, 0}, {0, 1, 0}, {0, 2, 0}}, {0.3f, 0.3f, 0.3f}, 8, region, primitives::Shading::Flat);
        expectClosedAndOutward(rod, {0, 1, 0});
    }
}

TEST(Modelling, MirroredPlacementKeepsFacesOutward)
{
    Mesh box("b", "m");
    primitives::box(box, glm::mat4(1.0f), {1, 1, 1}, PictureRegion{});
    box.transform(glm::scale(glm::mat4(1.0f), glm::vec3(-1.0f, 1.0f, 1.0f)));
    expectClosedAndOutward(box, {0, 0, 0});
}

TEST(Modelling, PictureRegionsMapUprightAndKeepAMargin)
{
    const PictureRegion region{{0.25f, 0.5f}, {0.5f, 1.0f}};
    EXPECT_EQ(region.at({0, 0}), glm::vec2(0.25f, 1.0f)) << "bottom-left of the surface is the bottom-left of the region";
    EXPECT_EQ(region.at({1, 1}), glm::vec2(0.5f, 0.5f));
    const PictureRegion lower = region.sub({0, 0}, {1, 0.5f});
    EXPECT_EQ(lower.min, glm::vec2(0.25f, 0.75f));
    EXPECT_EQ(lower.max, glm::vec2(0.5f, 1.0f));

    Atlas atlas(4);
    const PictureRegion cell = atlas.paintSolid(1, 2, glm::vec4(1, 0, 0, 1), 0.0f);
    const float size = static_cast<float>(atlas.image().width());
    EXPECT_GT(cell.min.x * size, 64.0f + 4.0f);
    EXPECT_LT(cell.max.x * size, 128.0f - 4.0f);
    EXPECT_GT(cell.min.y * size, 128.0f + 4.0f);
    EXPECT_LT(cell.max.y * size, 192.0f - 4.0f);
    EXPECT_NEAR(atlas.image().at(100, 160).r, 1.0f, 1e-4f);
}

TEST(Modelling, GroundPictureLinesUpWithTheGroundPlane)
{
    // The game's ground plane gives the corner (-250, -250) texture
    // coordinate (0, 0), (250, 250) coordinate (1, 1); a picture pixel must
    // land on the world point the painter meant for it.
    const int size = 64;
    Image marker(size, size, glm::vec4(0, 0, 0, 1));
    const int column = 50;
    const int row = 9;
    marker.at(column, row) = glm::vec4(1.0f);
    const float groundSize = 500.0f;
    const glm::vec2 world = groundPixelToWorld(column, row, size, groundSize);
    const glm::vec2 st((world.x + 250.0f) / groundSize, (world.y + 250.0f) / groundSize);
    EXPECT_NEAR(sampleTexture(marker, TextureKind::GamePicture, st).r, 1.0f, 1e-4f);
    // The picture's top-left corner lies at the far-left corner (-x, +z).
    const glm::vec2 corner = groundPixelToWorld(0, 0, size, groundSize);
    EXPECT_LT(corner.x, -240.0f);
    EXPECT_GT(corner.y, 240.0f);
}

TEST(Modelling, CounterDigitsKeepAwayFromTheSphereSeam)
{
    // The game's sphere squeezes the whole picture into its last segment,
    // between the picture's right and left edges; a digit there would show
    // as a smear. So the columns near the edges are the same whatever the
    // digit, and the digit does show in the middle.
    for (const Counter counter : {Counter::Coins, Counter::Beers}) {
        const Image eight = paintCounterUpright(counter, 8);
        const Image one = paintCounterUpright(counter, 1);
        const int margin = eight.width() / 16;
        float edgeDifference = 0.0f;
        float middleDifference = 0.0f;
        for (int y = 0; y < eight.height(); ++y) {
            for (int x = 0; x < eight.width(); ++x) {
                const glm::vec3 d = glm::abs(glm::vec3(eight.at(x, y)) - glm::vec3(one.at(x, y)));
                const float sum = d.r + d.g + d.b;
                if (x < margin || x >= eight.width() - margin) {
                    edgeDifference = std::max(edgeDifference, sum);
                } else {
                    middleDifference = std::max(middleDifference, sum);
                }
            }
        }
        EXPECT_LT(edgeDifference, 1e-5f) << (counter == Counter::Coins ? "coins" : "beers");
        EXPECT_GT(middleDifference, 1.0f);
    }
}

} // namespace
} // namespace tavernrush::assetgen
