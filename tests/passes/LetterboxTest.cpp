// Where the fixed-size game image lands in window framebuffers of other
// sizes: full screen on wide monitors and high-density screens.

#include "passes/Letterbox.h"

#include <gtest/gtest.h>

namespace tavernrush {
namespace {

TEST(LetterboxViewportTest, FitsTheLargestCentredRectangleOfTheConfiguredShape)
{
    // Same shape, also at twice the density: the whole framebuffer.
    EXPECT_EQ(letterboxViewport({800, 800}, 800, 800), glm::ivec4(0, 0, 800, 800));
    EXPECT_EQ(letterboxViewport({1600, 1600}, 800, 800), glm::ivec4(0, 0, 1600, 1600));
    EXPECT_EQ(letterboxViewport({2560, 1440}, 1280, 720), glm::ivec4(0, 0, 2560, 1440));
    // A square game on a wide monitor: bars left and right.
    EXPECT_EQ(letterboxViewport({1920, 1080}, 800, 800), glm::ivec4(420, 0, 1080, 1080));
    // A wide game on a square screen: bars above and below.
    EXPECT_EQ(letterboxViewport({1000, 1000}, 1600, 900), glm::ivec4(0, 218, 1000, 563));
    // An odd leftover splits with at most one pixel of difference.
    EXPECT_EQ(letterboxViewport({101, 50}, 50, 50), glm::ivec4(25, 0, 50, 50));
}

TEST(LetterboxViewportTest, DegenerateSizesGiveAnEmptyOrFullViewportNeverANegativeOne)
{
    // A minimised window reports a 0 x 0 framebuffer.
    EXPECT_EQ(letterboxViewport({0, 0}, 800, 800), glm::ivec4(0, 0, 0, 0));
    EXPECT_EQ(letterboxViewport({-5, 300}, 800, 800), glm::ivec4(0, 150, 0, 0));
    EXPECT_EQ(letterboxViewport({640, 480}, 0, 600), glm::ivec4(0, 0, 640, 480));
    // The largest window the settings allow.
    EXPECT_EQ(letterboxViewport({16384, 16384}, 16384, 8192), glm::ivec4(0, 4096, 16384, 8192));
}

} // namespace
} // namespace tavernrush
