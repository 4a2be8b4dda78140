// The painting building blocks: alpha blending, picture turns, blur, shapes,
// text placement, relief normals and noise tiling.
#include "HeightField.h"
#include "Image.h"
#include "Noise.h"
#include "Painter.h"
#include "Shape.h"
#include "Text.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tavernrush::assetgen {
namespace {

TEST(Painting, BlendingOntoTransparencyKeepsTheTrueColour)
{
    // Halos and emblems are painted on transparent pictures; a half-covered
    // edge must stay red, half transparent, not turn dark.
    Image image(1, 1, glm::vec4(0.0f));
    image.blend(0, 0, glm::vec4(1.0f, 0.0f, 0.0f, 1.0f), 0.5f);
    EXPECT_NEAR(image.at(0, 0).r, 1.0f, 1e-5f);
    EXPECT_NEAR(image.at(0, 0).a, 0.5f, 1e-5f);
    // Over an opaque pixel it is an ordinary mix.
    Image opaque(1, 1, glm::vec4(0.0f, 0.0f, 1.0f, 1.0f));
    opaque.blend(0, 0, glm::vec4(1.0f, 0.0f, 0.0f, 1.0f), 0.25f);
    EXPECT_NEAR(opaque.at(0, 0).r, 0.25f, 1e-5f);
    EXPECT_NEAR(opaque.at(0, 0).b, 0.75f, 1e-5f);
    EXPECT_NEAR(opaque.at(0, 0).a, 1.0f, 1e-5f);
    // Outside the picture nothing happens: a point past the left or right
    // edge must not wrap onto a pixel of the next or the previous row.
    Image grid(2, 2, glm::vec4(0.0f, 0.0f, 0.0f, 1.0f));
    grid.blend(2, 0, glm::vec4(1.0f), 1.0f);
    grid.blend(-1, 1, glm::vec4(1.0f), 1.0f);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 2; ++x) {
            EXPECT_EQ(grid.at(x, y), glm::vec4(0.0f, 0.0f, 0.0f, 1.0f)) << x << ", " << y;
        }
    }
}

TEST(Painting, TurnsMoveCornersWhereTheyShould)
{
    Image image(3, 2);
    image.at(0, 0) = glm::vec4(1, 0, 0, 1); // top-left red
    EXPECT_EQ(rotated180(image).at(2, 1), glm::vec4(1, 0, 0, 1));
    EXPECT_EQ(mirroredHorizontally(image).at(2, 0), glm::vec4(1, 0, 0, 1));
    EXPECT_EQ(mirroredVertically(image).at(0, 1), glm::vec4(1, 0, 0, 1));
}

TEST(Painting, PowerOfTwoSizesRoundToTheNearerPowerAndKeepTheLayout)
{
    EXPECT_EQ(nearestPowerOfTwo(1), 1);
    EXPECT_EQ(nearestPowerOfTwo(255), 256);
    EXPECT_EQ(nearestPowerOfTwo(153), 128);
    EXPECT_EQ(nearestPowerOfTwo(1280), 1024);
    EXPECT_EQ(nearestPowerOfTwo(768), 1024); // a tie keeps the detail
    EXPECT_EQ(nearestPowerOfTwo(512), 512);

    // A 5:3 picture becomes 2:1 and each quarter keeps its colour where the
    // texture coordinates will look for it.
    Image board(40, 24, glm::vec4(0.0f, 0.0f, 1.0f, 1.0f));
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 20; ++x) {
            board.at(x, y) = glm::vec4(1.0f, 0.0f, 0.0f, 1.0f);
        }
    }
    const Image stretched = powerOfTwoSized(board);
    ASSERT_EQ(stretched.width(), 32);
    ASSERT_EQ(stretched.height(), 32);
    EXPECT_NEAR(stretched.at(2, 2).r, 1.0f, 1e-4f);
    EXPECT_NEAR(stretched.at(29, 29).b, 1.0f, 1e-4f);
    EXPECT_NEAR(stretched.at(29, 2).b, 1.0f, 1e-4f);
    // Already a power of two: left as it is.
    const Image square(16, 8, glm::vec4(0.25f));
    EXPECT_EQ(powerOfTwoSized(square).width(), 16);
    EXPECT_EQ(powerOfTwoSized(square).height(), 8);
}

TEST(Painting, BlurSpreadsAPointAndKeepsFlatAreasFlat)
{
    Image image(21, 21, glm::vec4(0.5f, 0.5f, 0.5f, 1.0f));
    EXPECT_NEAR(blurred(image, 2.0f).at(3, 17).r, 0.5f, 1e-4f);
    image.at(10, 10) = glm::vec4(1.0f);
    const Image soft = blurred(image, 2.0f);
    EXPECT_LT(soft.at(10, 10).r, 0.7f);
    EXPECT_GT(soft.at(11, 10).r, 0.5f);
    EXPECT_NEAR(soft.at(11, 10).r, soft.at(10, 11).r, 1e-4f);
}

TEST(Painting, ShapesGiveSignedDistancesAndSoftEdges)
{
    const Shape disc = shapes::circle({10, 10}, 5);
    EXPECT_LT(disc.distance({10, 10}), 0.0f);
    EXPECT_NEAR(disc.distance({17, 10}), 2.0f, 1e-4f);
    const Shape ring = shapes::outline(disc, 2.0f);
    EXPECT_LT(ring.distance({15, 10}), 0.0f);
    EXPECT_GT(ring.distance({10, 10}), 0.0f);
    const Shape turned = shapes::rotated(shapes::roundedBox({0, 0}, {10, 1}), {0, 0}, 1.5707964f);
    EXPECT_LT(turned.distance({0, 8}), 0.0f) << "a quarter turn makes the long box stand up";
    EXPECT_GT(turned.distance({8, 0}), 0.0f);

    Image image(20, 20, glm::vec4(0, 0, 0, 1));
    fill(image, shapes::roundedBox({10.0f, 10.0f}, {5.0f, 5.0f}), glm::vec4(1.0f));
    EXPECT_NEAR(image.at(10, 10).r, 1.0f, 1e-5f);
    EXPECT_NEAR(image.at(2, 10).r, 0.0f, 1e-5f);
    // A pixel centre exactly on the edge is half covered.
    Image edge(4, 1, glm::vec4(0, 0, 0, 1));
    fill(edge, shapes::roundedBox({0.0f, 0.5f}, {1.5f, 10.0f}), glm::vec4(1.0f));
    EXPECT_NEAR(edge.at(1, 0).r, 0.5f, 1e-4f);
}

TEST(Painting, TextIsCentredOnItsInkAndGrowsWithItsLength)
{
    TextStyle style;
    style.pixelHeight = 48.0f;
    const Shape word = textShape("TIME", {100.0f, 60.0f}, style);
    const glm::vec2 middle = (word.bounds.min + word.bounds.max) * 0.5f;
    EXPECT_NEAR(middle.x, 100.0f, 2.0f);
    EXPECT_NEAR(middle.y, 60.0f, 2.0f);
    // The stem of the T is ink, the space above the letters is not.
    EXPECT_LT(textShape("I", {50.0f, 50.0f}, style).distance({50.0f, 50.0f}), 0.0f);
    EXPECT_GT(word.distance({100.0f, 20.0f}), 0.0f);
    EXPECT_GT(textSize("TIME UP!", style).x, textSize("TIME", style).x + 40.0f);
    EXPECT_EQ(decodeUtf8("KELLBRÄU").size(), 8u);
    EXPECT_EQ(encodeUtf8(0xc4), std::string("Ä"));
}

TEST(Painting, ReliefNormalsLeanDownhill)
{
    // Height rises to the right: the surface faces left. Height rises up the
    // picture (towards row 0): the surface faces down the picture.
    HeightField right(8, 8);
    HeightField up(8, 8);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            right.at(x, y) = static_cast<float>(x);
            up.at(x, y) = static_cast<float>(8 - y);
        }
    }
    const glm::vec3 facingLeft = decodeNormal(right.normalMap(1.0f, false).at(4, 4));
    EXPECT_LT(facingLeft.x, -0.5f);
    EXPECT_NEAR(facingLeft.y, 0.0f, 0.02f);
    const glm::vec3 facingDown = decodeNormal(up.normalMap(1.0f, false).at(4, 4));
    EXPECT_LT(facingDown.y, -0.5f);
    EXPECT_NEAR(facingDown.x, 0.0f, 0.02f);
}

TEST(Painting, NoiseIsRepeatableAndTilesWhereAsked)
{
    EXPECT_EQ(hashUnit(3, 4, 7u), hashUnit(3, 4, 7u));
    EXPECT_NE(hashUnit(3, 4, 7u), hashUnit(3, 4, 8u));
    for (float x = 0.1f; x < 4.0f; x += 0.7f) {
        EXPECT_NEAR(fbmTiled({x, 1.3f}, 4, 3, 11u), fbmTiled({x + 4.0f, 1.3f + 4.0f}, 4, 3, 11u), 1e-4f);
    }
    const CellSample cell = cellular({2.3f, 5.7f}, 3u);
    EXPECT_LE(cell.nearest, cell.secondNearest);
    EXPECT_NEAR(glm::length(glm::vec2(2.3f, 5.7f) - cell.feature), cell.nearest, 1e-5f);
    Sequence a(5u);
    Sequence b(5u);
    EXPECT_EQ(a.next(), b.next());
    const float r = a.range(2.0f, 3.0f);
    EXPECT_GE(r, 2.0f);
    EXPECT_LT(r, 3.0f);
}

} // namespace
} // namespace tavernrush::assetgen
