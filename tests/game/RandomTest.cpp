// The engine and the draw rule behind every layout in the game.

#include "game/Random.h"

#include <gtest/gtest.h>

namespace tavernrush {
namespace {

TEST(UniformDrawTest, EndsOfTheOutputRangeMapToTheEndsOfTheInterval)
{
    EXPECT_EQ(uniformFromOutput(0u, -90.0f, 90.0f), -90.0f);
    EXPECT_EQ(uniformFromOutput(0x80000000u, -90.0f, 90.0f), 0.0f);
    // The top 128 outputs round up to 2^32 in single precision and give b
    // itself (2^32 - 128 is a tie and rounds to even, upwards); one below that
    // rounds down and stays under b.
    EXPECT_EQ(uniformFromOutput(0xFFFFFFFFu, 0.0f, 16.0f), 16.0f);
    EXPECT_EQ(uniformFromOutput(0xFFFFFF80u, 0.0f, 16.0f), 16.0f);
    EXPECT_LT(uniformFromOutput(0xFFFFFF7Fu, 0.0f, 16.0f), 16.0f);
}

TEST(UniformDrawTest, TakesExactlyOneOutputPerDraw)
{
    RandomEngine engine{200u};
    RandomEngine reference{200u};
    for (int i = 0; i < 100; ++i) {
        const auto output = static_cast<std::uint32_t>(reference());
        EXPECT_EQ(uniformDraw(engine, 1.0f, 4.0f), uniformFromOutput(output, 1.0f, 4.0f));
    }
    EXPECT_EQ(engine, reference);
}

} // namespace
} // namespace tavernrush
