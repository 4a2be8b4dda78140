// Six hundred frames of everything a player does at once (walking, turning,
// jumping, dragging the camera both ways, zooming, the N, H and D keys, and
// full screen on and off) must pass without a single GL debug message.

#include "ImageRun.h"

#include <gtest/gtest.h>

namespace tavernrush::e2e {
namespace {

const char* const busyScript = R"(# walk, turn both ways, jump on the move
1-200 key up
20-50 key right
60-80 key left
90 key space
95 key space
150-190 key down
160 key space
# orbit with the left button, shift with the right, zoom in and out
200 cursor 10 10
201-205 cursor 60 -40
201-205 button left
206-210 cursor 120 30
206-210 button left
220-225 cursor 80 80
220-225 button right
230 scroll 25
240 scroll -60
250 scroll 30
# the wall without its normal map, brighter, then darker
260-300 key n
300-340 key h
330-370 key d
# full screen and back, pressed and released twice
380-381 key f10
390-391 key f10
# and on again through a crowd of keys
400-599 key up
420-470 key right
450 key space
480-520 key left n
530-560 key h d
)";

TEST(BusyReplayGLTest, SixHundredBusyFramesReportNoGlError)
{
    const ShotRun run = runWithShots({"busy-replay", busyScript, 600, 1.0 / 60.0, {}, testWindowWidth});
    ASSERT_EQ(run.trace.size(), 600u);
    EXPECT_EQ(run.process.output.find("OpenGL Error"), std::string::npos) << run.process.output;
    EXPECT_NE(run.process.output.find("frames: 600 "), std::string::npos) << run.process.output;

    // The script did what it says, so the run covered every path it names.
    const auto fullscreen = [&](std::size_t frame) { return run.trace[frame].at("isFullscreen").get<bool>(); };
    EXPECT_FALSE(fullscreen(379));
    EXPECT_TRUE(fullscreen(385)) << "F10 found no monitor on the test display";
    EXPECT_FALSE(fullscreen(395));
    EXPECT_EQ(run.trace[599].at("fieldOfView").get<double>(), 65.0);
    EXPECT_NE(run.trace[599].at("cameraYaw").get<double>(), 0.0);
    bool jumped = false;
    for (const Json& line : run.trace) {
        jumped = jumped || line.at("jumpActive").get<bool>();
    }
    EXPECT_TRUE(jumped);
}

} // namespace
} // namespace tavernrush::e2e
