// The replay observer on the game's real frame loop, with a renderer and a
// window that draw nothing: frame limits, Escape, the wheel, the clock, the
// trace and the screenshots.

#include "game/NullSceneRenderer.h"

#include "support/MeadowLevel.h"
#include "support/ClosableWindow.h"
#include "replay/ReplayObserver.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tavernrush {
namespace {

// One replay over the real loop and game rules, without GL.
struct Replay {
    explicit Replay(std::string_view scriptText, long frameLimit, double dt = 1.0 / 60.0,
                    std::vector<ShotRequest> shots = {}, std::string failingShot = {})
        : input(std::get<ReplayScript>(parseReplayScript(scriptText))), clock(dt),
          observer(input, clock, ReplayRecording{frameLimit, &trace, std::move(shots)},
                   FrameCapture{[this] { ++finishes; },
                                [this, failingShot](const std::string& path) {
                                    shotPaths.push_back(path);
                                    shotFrames.push_back(input.frame());
                                    return path == failingShot ? std::string("disk full") : std::string();
                                }},
                   errors)
    {
        FrameLoop loop(FrameLoopParts{settings, window, input, clock, renderer, rules});
        loop.run(&observer);
    }

    std::vector<std::string> traceLines() const
    {
        std::vector<std::string> lines;
        std::istringstream in(trace.str());
        for (std::string line; std::getline(in, line);) {
            lines.push_back(line);
        }
        return lines;
    }

    Settings settings;
    testing::ClosableWindow window;
    NullSceneRenderer renderer;
    FrameRules rules{1.0f, testing::meadow(), {}};
    std::ostringstream trace;
    std::ostringstream errors;
    ScriptedInput input;
    FixedStepClock clock;
    int finishes = 0;
    std::vector<std::string> shotPaths;
    std::vector<long> shotFrames;
    ReplayObserver observer;
};

bool has(const std::string& line, const std::string& part) { return line.find(part) != std::string::npos; }

TEST(ReplayObserverTest, RunsExactlyTheFrameLimitAndTracesEachFrame)
{
    const Replay replay("", 5);
    EXPECT_EQ(replay.observer.framesRun(), 5);
    EXPECT_EQ(replay.observer.frameMillis().size(), 5u);
    EXPECT_EQ(replay.finishes, 5);
    const std::vector<std::string> lines = replay.traceLines();
    ASSERT_EQ(lines.size(), 5u);
    for (std::size_t frame = 0; frame < lines.size(); ++frame) {
        EXPECT_EQ(lines[frame].rfind("{\"frame\":" + std::to_string(frame) + ",", 0), 0u) << lines[frame];
    }
    EXPECT_TRUE(replay.errors.str().empty());
}

TEST(ReplayObserverTest, FirstFrameRunsWithZeroTimeAndLaterOnesWithTheStep)
{
    const Replay replay("", 3, 0.25);
    const std::vector<std::string> lines = replay.traceLines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_TRUE(has(lines[0], "\"deltaTime\":0,\"gameTimer\":0,")) << lines[0];
    EXPECT_TRUE(has(lines[1], "\"deltaTime\":0.100000001,\"gameTimer\":0.100000001,")) << "capped: " << lines[1];
    EXPECT_TRUE(has(lines[2], "\"deltaTime\":0.100000001,\"gameTimer\":0.200000003,")) << lines[2];
}

TEST(ReplayObserverTest, ScriptedKeysReachTheFrameTheyNameOnly)
{
    // Up in frames 1 and 2 at 0.1 s each: two steps of 1.5 towards -z.
    const Replay replay("1-2 key up\n", 4, 0.1);
    const std::vector<std::string> lines = replay.traceLines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_TRUE(has(lines[0], "\"player\":[0,0,20]")) << lines[0];
    EXPECT_TRUE(has(lines[1], "\"player\":[0,0,18.5]")) << lines[1];
    EXPECT_TRUE(has(lines[2], "\"player\":[0,0,17]")) << lines[2];
    EXPECT_TRUE(has(lines[3], "\"player\":[0,0,17]")) << lines[3];
}

TEST(ReplayObserverTest, WheelEventsArriveBeforeTheirFrame)
{
    const Replay replay("1 scroll 5\n1 scroll 2.5\n3 scroll -10\n", 4);
    const std::vector<std::string> lines = replay.traceLines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_TRUE(has(lines[0], "\"fieldOfView\":60,")) << lines[0];
    EXPECT_TRUE(has(lines[1], "\"fieldOfView\":52.5,")) << lines[1];
    EXPECT_TRUE(has(lines[2], "\"fieldOfView\":52.5,")) << lines[2];
    EXPECT_TRUE(has(lines[3], "\"fieldOfView\":62.5,")) << lines[3];
}

TEST(ReplayObserverTest, EscapeStillRunsItsFrameThenEndsTheRun)
{
    const Replay replay("2 release escape\n", 600, 1.0 / 60.0, {{1, "one.png"}, {2, "two.png"}, {5, "five.png"}});
    EXPECT_EQ(replay.observer.framesRun(), 3);
    EXPECT_EQ(replay.traceLines().size(), 3u);
    ASSERT_EQ(replay.observer.shotsNotTaken().size(), 1u);
    EXPECT_EQ(replay.observer.shotsNotTaken()[0].path, "five.png");
    EXPECT_EQ(replay.shotPaths, (std::vector<std::string>{"one.png", "two.png"}));
}

TEST(ReplayObserverTest, ShotsAreTakenAfterTheirFrameAndFailuresCounted)
{
    const Replay replay("", 4, 1.0 / 60.0, {{3, "last.png"}, {0, "first.png"}, {3, "again.png"}}, "again.png");
    EXPECT_EQ(replay.shotPaths, (std::vector<std::string>{"first.png", "last.png", "again.png"}));
    EXPECT_EQ(replay.shotFrames, (std::vector<long>{0, 3, 3}));
    EXPECT_EQ(replay.observer.failedShots(), 1);
    EXPECT_TRUE(has(replay.errors.str(), "shot of frame 3: disk full")) << replay.errors.str();
    EXPECT_TRUE(replay.observer.shotsNotTaken().empty());
}

} // namespace
} // namespace tavernrush
