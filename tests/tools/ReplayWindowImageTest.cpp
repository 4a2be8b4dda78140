// Turning GL's bottom-up pixel rows into a PNG's top-down, opaque rows.

#include "app/WindowImage.h"

#include <gtest/gtest.h>

namespace tavernrush {
namespace {

TEST(ReplayWindowImageTest, RowsAreFlippedAndAlphaMadeOpaque)
{
    // 2 x 3 pixels; each pixel's red is its row as GL numbers them (from the
    // bottom), green its column.
    const glm::ivec2 size{2, 3};
    std::vector<unsigned char> bottomUp;
    for (unsigned char row = 0; row < 3; ++row) {
        for (unsigned char column = 0; column < 2; ++column) {
            bottomUp.insert(bottomUp.end(), {row, column, 77, 0});
        }
    }
    const std::vector<unsigned char> topDown = windowImageRows(bottomUp, size);
    ASSERT_EQ(topDown.size(), bottomUp.size());
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 2; ++column) {
            const unsigned char* pixel = &topDown[static_cast<std::size_t>((row * 2 + column) * 4)];
            EXPECT_EQ(pixel[0], 2 - row) << row << "," << column;
            EXPECT_EQ(pixel[1], column);
            EXPECT_EQ(pixel[2], 77);
            EXPECT_EQ(pixel[3], 255);
        }
    }
}

TEST(ReplayWindowImageTest, OneRowStaysAsItIs)
{
    const std::vector<unsigned char> row = {1, 2, 3, 255, 4, 5, 6, 255, 7, 8, 9, 255};
    EXPECT_EQ(windowImageRows(row, {3, 1}), row);
}

} // namespace
} // namespace tavernrush
