// The frame-time summary printed at the end of a replay.

#include "replay/FrameTimeStats.h"

#include <gtest/gtest.h>

namespace tavernrush {
namespace {

TEST(ReplayFrameTimeTest, MedianOfOddAndEvenCountsIgnoresInputOrder)
{
    EXPECT_DOUBLE_EQ(summarizeFrameTimes({5.0, 1.0, 3.0}).medianMs, 3.0);
    EXPECT_DOUBLE_EQ(summarizeFrameTimes({4.0, 1.0, 3.0, 2.0}).medianMs, 2.5);
    EXPECT_DOUBLE_EQ(summarizeFrameTimes({7.0}).medianMs, 7.0);
}

TEST(ReplayFrameTimeTest, P95IsTheNearestRank)
{
    // 1..100 ms: 95 % of the frames take at most 95 ms.
    std::vector<double> hundred;
    for (int i = 100; i >= 1; --i) {
        hundred.push_back(i);
    }
    EXPECT_DOUBLE_EQ(summarizeFrameTimes(hundred).p95Ms, 95.0);
    // 1..20 ms: rank 19.
    std::vector<double> twenty(hundred.end() - 20, hundred.end());
    EXPECT_DOUBLE_EQ(summarizeFrameTimes(twenty).p95Ms, 19.0);
    // A single slow frame among few dominates the 95th percentile.
    EXPECT_DOUBLE_EQ(summarizeFrameTimes({1.0, 1.0, 1.0, 50.0}).p95Ms, 50.0);
}

TEST(ReplayFrameTimeTest, NoFramesGiveZeros)
{
    const FrameTimeSummary summary = summarizeFrameTimes({});
    EXPECT_EQ(summary.frames, 0u);
    EXPECT_EQ(summary.medianMs, 0.0);
    EXPECT_EQ(summary.p95Ms, 0.0);
}

TEST(ReplayFrameTimeTest, SummaryLine)
{
    EXPECT_EQ(formatFrameTimeSummary({600, 3.2149, 4.8751}), "frames: 600  median: 3.21 ms  p95: 4.88 ms");
}

} // namespace
} // namespace tavernrush
