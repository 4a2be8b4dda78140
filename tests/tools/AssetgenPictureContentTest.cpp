// What the generated pictures show, read back as the game reads them: the
// brick relief sits on the painted bricks, the picture loop runs and comes
// back, the counter pictures differ.
#include "Colour.h"
#include "game/AssetTable.h"
#include "HeightField.h"
#include "pictures/BrickPictures.h"
#include "readback/GameDecoders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace tavernrush::assetgen {
namespace {

namespace fs = std::filesystem;
const fs::path assets = "assets";

float meanDifference(const Image& a, const Image& b)
{
    float sum = 0.0f;
    for (std::size_t i = 0; i < a.pixels().size(); ++i) {
        const glm::vec3 d = glm::abs(glm::vec3(a.pixels()[i]) - glm::vec3(b.pixels()[i]));
        sum += (d.r + d.g + d.b) / 3.0f;
    }
    return sum / static_cast<float>(a.pixels().size());
}

// Average decoded normal over a few pixels around a point (JPEG noise).
glm::vec3 normalAround(const Image& normals, int x, int y)
{
    glm::vec3 sum(0.0f);
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            sum += decodeNormal(normals.clampedAt(x + dx, y + dy));
        }
    }
    return glm::normalize(sum);
}

TEST(PictureContent, BrickNormalMapBulgesAtThePaintedBrickEdges)
{
    const Image colourFile = decodeWithFreeImage(assets / "textures" / "bricks.jpg");
    const Image normalsFile = decodeWithFreeImage(assets / "textures" / "bricksN.jpg");
    ASSERT_FALSE(colourFile.empty());
    ASSERT_FALSE(normalsFile.empty());
    // The files are stored at a power-of-two size; stretched back to the
    // painted layout, every brick edge is where the layout puts it.
    const BrickLayout layout;
    const Image colour = resized(colourFile, layout.width, layout.height);
    const Image normals = resized(normalsFile, layout.width, layout.height);

    // Walk the bricks of a few courses; at each brick's left, right, top
    // and bottom edge the surface must lean outwards (x left/right, y up
    // the picture = up the wall), and face the viewer in the middle.
    int bricks = 0;
    for (int course = 1; course < 15; course += 3) {
        const float top = static_cast<float>(course * layout.courseHeight + layout.mortar / 2);
        const float bottom = top + static_cast<float>(layout.courseHeight - layout.mortar);
        const float midY = (top + bottom) * 0.5f;
        const float shift = course % 2 != 0 ? layout.brickLength * 0.5f : 0.0f;
        for (int column = 2; column < 8; column += 2) {
            const float left = static_cast<float>(column * layout.brickLength) - shift + layout.mortar / 2;
            const float right = left + static_cast<float>(layout.brickLength - layout.mortar);
            const float midX = (left + right) * 0.5f;
            ASSERT_FALSE(layout.at(midX, midY).inMortar);
            SCOPED_TRACE("brick at " + std::to_string(static_cast<int>(midX)) + "," + std::to_string(static_cast<int>(midY)));
            EXPECT_LT(normalAround(normals, static_cast<int>(left + 1.5f), static_cast<int>(midY)).x, -0.25f);
            EXPECT_GT(normalAround(normals, static_cast<int>(right - 1.5f), static_cast<int>(midY)).x, 0.25f);
            EXPECT_GT(normalAround(normals, static_cast<int>(midX), static_cast<int>(top + 1.5f)).y, 0.25f);
            EXPECT_LT(normalAround(normals, static_cast<int>(midX), static_cast<int>(bottom - 1.5f)).y, -0.25f);
            EXPECT_GT(normalAround(normals, static_cast<int>(midX), static_cast<int>(midY)).z, 0.85f);
            ++bricks;
        }
    }
    EXPECT_GE(bricks, 10);

    // The joints of the relief are painted as pale mortar, the rest as red brick.
    float mortarLight = 0.0f;
    float brickLight = 0.0f;
    float brickRedness = 0.0f;
    int mortarCount = 0;
    int brickCount = 0;
    for (int y = 0; y < layout.height; y += 3) {
        for (int x = 0; x < layout.width; x += 3) {
            const glm::vec3 c(colour.at(x, y));
            const BrickLayout::Spot spot = layout.at(static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f);
            bool deepInJoint = true;
            for (int dy = -2; dy <= 2; dy += 2) {
                for (int dx = -2; dx <= 2; dx += 2) {
                    deepInJoint = deepInJoint && layout.at(static_cast<float>(x + dx) + 0.5f, static_cast<float>(y + dy) + 0.5f).inMortar;
                }
            }
            if (deepInJoint) {
                mortarLight += luminance(c);
                ++mortarCount;
            } else if (!spot.inMortar && spot.local.x > 8 && spot.local.y > 8 && spot.local.x < spot.size.x - 8
                       && spot.local.y < spot.size.y - 8) {
                brickLight += luminance(c);
                brickRedness += c.r - c.b;
                ++brickCount;
            }
        }
    }
    ASSERT_GT(mortarCount, 100);
    ASSERT_GT(brickCount, 1000);
    EXPECT_GT(mortarLight / static_cast<float>(mortarCount), brickLight / static_cast<float>(brickCount) + 0.2f);
    EXPECT_GT(brickRedness / static_cast<float>(brickCount), 0.3f);
}

TEST(PictureContent, PictureLoopMovesEveryStepAndComesBackToItsStart)
{
    std::vector<Image> frames;
    for (int number = 1; number <= asset::animationFrameCount; ++number) {
        const std::string file = asset::belowAssets(asset::row(asset::animationFrame(number)).path);
        frames.push_back(decodeWithFreeImage(assets / file));
        ASSERT_FALSE(frames.back().empty()) << file;
    }
    float smallest = 1.0f;
    float largest = 0.0f;
    for (std::size_t i = 0; i + 1 < frames.size(); ++i) {
        const float step = meanDifference(frames[i], frames[i + 1]);
        smallest = std::min(smallest, step);
        largest = std::max(largest, step);
    }
    // Every step changes the picture visibly (JPEG noise alone stays far below).
    EXPECT_GT(smallest, 0.004f);
    // The step from picture 22 back to picture 1 is an ordinary step, not a jump.
    const float wrap = meanDifference(frames.back(), frames.front());
    EXPECT_GT(wrap, 0.004f);
    EXPECT_LT(wrap, largest * 1.5f);
}

TEST(PictureContent, CounterPicturesDifferFromEachOther)
{
    for (const char* counter : {"coin", "beer"}) {
        const int last = std::string(counter) == "coin" ? 9 : 4;
        std::vector<Image> pictures;
        for (int digit = 0; digit <= last; ++digit) {
            pictures.push_back(decodeWithFreeImage(assets / "textures" / (counter + std::to_string(digit) + ".jpg")));
        }
        for (int a = 0; a <= last; ++a) {
            for (int b = a + 1; b <= last; ++b) {
                EXPECT_GT(meanDifference(pictures[static_cast<std::size_t>(a)], pictures[static_cast<std::size_t>(b)]), 0.01f)
                    << counter << a << " and " << counter << b;
            }
        }
    }
}

} // namespace
} // namespace tavernrush::assetgen
