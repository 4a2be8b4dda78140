// The fixed-step clock, read the way the frame loop reads it: once when the
// loop starts and once at the end of every frame.

#include "game/GameState.h"
#include "replay/FixedStepClock.h"

#include <gtest/gtest.h>

#include <vector>

namespace tavernrush {
namespace {

// The frame times the loop's own timing rule derives from the clock.
std::vector<float> frameTimes(double step, long frames)
{
    FixedStepClock clock(step);
    GameState state;
    state.lastFrameTime = clock.now();
    std::vector<float> times;
    for (long frame = 0; frame < frames; ++frame) {
        clock.beginFrame(frame);
        times.push_back(state.deltaTime);
        takeFrameTime(state, clock.now());
    }
    return times;
}

TEST(ReplayClockTest, FirstFrameGetsZeroAndEveryLaterFrameExactlyTheStep)
{
    // The last step lies a hair below the midpoint between two floats: there
    // a clock counting in the step's full double precision gives differences
    // that round to the neighbouring float on most frames.
    for (const double step : {1.0 / 60.0, 1.0 / 144.0, 0.05, 0.0123456, 0.05000000260770319}) {
        const std::vector<float> times = frameTimes(step, 5000);
        EXPECT_EQ(times[0], 0.0f);
        for (std::size_t frame = 1; frame < times.size(); ++frame) {
            ASSERT_EQ(times[frame], static_cast<float>(step)) << "step " << step << " frame " << frame;
        }
    }
}

TEST(ReplayClockTest, StepsStayExactFarIntoALongRun)
{
    FixedStepClock clock(1.0 / 60.0);
    clock.beginFrame(9'999'999);
    const double late = clock.now();
    clock.beginFrame(10'000'000);
    EXPECT_EQ(static_cast<float>(clock.now() - late), static_cast<float>(1.0 / 60.0));
}

TEST(ReplayClockTest, LongStepsAreCappedByTheLoopLikeRealStalls)
{
    const std::vector<float> times = frameTimes(0.5, 4);
    EXPECT_EQ(times[0], 0.0f);
    EXPECT_EQ(times[1], maxFrameSeconds);
    EXPECT_EQ(times[3], maxFrameSeconds);
}

TEST(ReplayClockTest, ReadsZeroBeforeTheFirstFrame)
{
    FixedStepClock clock(0.25);
    EXPECT_EQ(clock.now(), 0.0);
    clock.beginFrame(0);
    EXPECT_EQ(clock.now(), 0.25);
}

} // namespace
} // namespace tavernrush
