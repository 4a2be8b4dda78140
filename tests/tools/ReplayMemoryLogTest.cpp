// The replay tool's memory log: the statm reading, the option, and which
// frames the observer samples on the real frame loop (without GL).

#include "game/NullSceneRenderer.h"

#include "support/MeadowLevel.h"
#include "support/ClosableWindow.h"
#include "replay/ReplayObserver.h"
#include "replay/ReplayOptions.h"
#include "replay/ResidentMemory.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tavernrush {
namespace {

TEST(ResidentMemoryTest, ReadsTheResidentPagesOfStatmInKiB)
{
    EXPECT_EQ(residentKiBFromStatm("2500 1234 300 100 0 900 0\n", 4096), 4936);
    EXPECT_EQ(residentKiBFromStatm("2500 1234", 65536), 78976);
    EXPECT_FALSE(residentKiBFromStatm("", 4096));
    EXPECT_FALSE(residentKiBFromStatm("2500", 4096));
    EXPECT_FALSE(residentKiBFromStatm("2500 ", 4096));
    EXPECT_FALSE(residentKiBFromStatm("2500 x 300", 4096));
    EXPECT_FALSE(residentKiBFromStatm("x 1234 300", 4096));
    EXPECT_FALSE(residentKiBFromStatm("2500 1234 300", 0));
    EXPECT_FALSE(residentKiBFromStatm("1 99999999999999999 1", 4096));
}

TEST(ResidentMemoryTest, TheFigureOfThisProcessFollowsMemoryItTouches)
{
    const std::optional<long> before = residentKiB();
    ASSERT_TRUE(before);
    constexpr long touchedKiB = 64 * 1024;
    std::vector<char> block(static_cast<std::size_t>(touchedKiB) * 1024, 1);
    const std::optional<long> after = residentKiB();
    ASSERT_TRUE(after);
    EXPECT_GE(*after - *before, touchedKiB - 1024) << "before " << *before << " after " << *after;
    EXPECT_EQ(block[block.size() / 2], 1);
}

TEST(ReplayMemoryLogOptionTest, TakesOneFileName)
{
    const OptionsParse parse = parseReplayOptions({"--memory-log", "memory.txt", "--frames", "5"});
    ASSERT_TRUE(std::holds_alternative<ReplayOptions>(parse));
    EXPECT_EQ(std::get<ReplayOptions>(parse).memoryLogPath, "memory.txt");
    EXPECT_TRUE(std::get<ReplayOptions>(parseReplayOptions({})).memoryLogPath.empty());
    EXPECT_TRUE(std::holds_alternative<OptionsError>(parseReplayOptions({"--memory-log", "a", "--memory-log", "b"})));
    EXPECT_TRUE(std::holds_alternative<OptionsError>(parseReplayOptions({"--memory-log", ""})));
    EXPECT_TRUE(std::holds_alternative<OptionsError>(parseReplayOptions({"--memory-log"})));
    EXPECT_NE(replayUsage("replay").find("--memory-log FILE"), std::string::npos);
}

// A replay on the real loop whose memory readings are 1000, 2000, ... KiB,
// so each logged line shows which reading it got.
struct MemoryReplay {
    MemoryReplay(std::string_view scriptText, long frameLimit, bool readable = true, bool logged = true)
        : input(std::get<ReplayScript>(parseReplayScript(scriptText))), clock(1.0 / 60.0),
          observer(input, clock, recording(frameLimit, readable, logged), FrameCapture{[] {}, [](const std::string&) {
                                                                                         return std::string();
                                                                                     }},
                   errors)
    {
        FrameLoop loop(FrameLoopParts{settings, window, input, clock, renderer, rules});
        loop.run(&observer);
    }

    ReplayRecording recording(long frameLimit, bool readable, bool logged)
    {
        ReplayRecording result{frameLimit, nullptr, {}};
        result.memoryLog = logged ? &log : nullptr;
        result.readResidentKiB = [this, readable]() -> std::optional<long> {
            ++readings;
            return readable ? std::optional<long>(readings * 1000) : std::nullopt;
        };
        return result;
    }

    Settings settings;
    testing::ClosableWindow window;
    NullSceneRenderer renderer;
    FrameRules rules{1.0f, testing::meadow(), {}};
    std::ostringstream log;
    std::ostringstream errors;
    long readings = 0;
    ScriptedInput input;
    FixedStepClock clock;
    ReplayObserver observer;
};

TEST(ReplayMemoryLogTest, SamplesFrameZeroEveryHundredthFrameAndTheLast)
{
    const MemoryReplay replay("", 250);
    EXPECT_EQ(replay.log.str(), "0 1000\n100 2000\n200 3000\n249 4000\n");
    EXPECT_EQ(replay.observer.failedMemoryReadings(), 0);
    EXPECT_TRUE(replay.errors.str().empty());
}

TEST(ReplayMemoryLogTest, ALastFrameOnTheIntervalIsSampledOnce)
{
    EXPECT_EQ(MemoryReplay("", 201).log.str(), "0 1000\n100 2000\n200 3000\n");
    EXPECT_EQ(MemoryReplay("", 1).log.str(), "0 1000\n");
}

TEST(ReplayMemoryLogTest, EscapeMakesItsFrameTheLastSample)
{
    const MemoryReplay replay("130 release escape\n", 600);
    EXPECT_EQ(replay.observer.framesRun(), 131);
    EXPECT_EQ(replay.log.str(), "0 1000\n100 2000\n130 3000\n");
}

TEST(ReplayMemoryLogTest, AnUnreadableFigureIsReportedAndCounted)
{
    const MemoryReplay replay("", 50, false);
    EXPECT_EQ(replay.log.str(), "");
    EXPECT_EQ(replay.observer.failedMemoryReadings(), 2);
    EXPECT_NE(replay.errors.str().find("memory log: cannot read the resident size after frame 49"), std::string::npos)
        << replay.errors.str();
}

TEST(ReplayMemoryLogTest, WithoutALogNothingIsRead)
{
    const MemoryReplay replay("", 250, true, false);
    EXPECT_EQ(replay.readings, 0);
    EXPECT_EQ(replay.observer.failedMemoryReadings(), 0);
}

} // namespace
} // namespace tavernrush
