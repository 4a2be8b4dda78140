// The soak's checks on their own: each must catch the fault it is there for,
// or a soak run could pass while the game misbehaves.

#include "SoakChecks.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tavernrush::e2e {
namespace {

const RestartHeld noRestart = [](long) { return false; };

std::vector<SoakFrame> steadyFrames(long count)
{
    std::vector<SoakFrame> frames;
    for (long frame = 0; frame < count; ++frame) {
        frames.push_back({frame, 0, 0, 0.0});
    }
    return frames;
}

TEST(SoakChecksTest, FindsEverySanitizerReportAndNothingElse)
{
    const std::string output =
        "frame times: mean 4.1 ms\n"
        "==4242==ERROR: AddressSanitizer: heap-use-after-free on address 0x602000000010\n"
        "    #0 0x55 in tavernrush::Texture::bind() src/render/Texture.cpp:40\n"
        "==4242==ERROR: LeakSanitizer: detected memory leaks\n"
        "src/game/BeerField.cpp:31:12: runtime error: signed integer overflow\n"
        "SUMMARY: UndefinedBehaviorSanitizer: undefined-behavior src/game/BeerField.cpp:31:12\n"
        "an ordinary line about errors";
    const std::vector<std::string> lines = sanitizerReportLines(output);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].rfind("==4242==ERROR: AddressSanitizer", 0), 0u);
    EXPECT_EQ(lines[2].rfind("src/game/BeerField.cpp:31:12: runtime error", 0), 0u);
    EXPECT_TRUE(sanitizerReportLines("frame times: mean 4.1 ms\nOpenGL Error: x\n").empty());
}

TEST(SoakChecksTest, FindsTheGameGlErrorLines)
{
    const std::vector<std::string> lines =
        openGlErrorLines("start\nOpenGL Error: GL_INVALID_OPERATION in glDrawArrays\nend");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "OpenGL Error: GL_INVALID_OPERATION in glDrawArrays");
    EXPECT_TRUE(openGlErrorLines("no errors\n").empty());
}

TEST(SoakChecksTest, ReadsTheFiguresOfATraceLine)
{
    const std::optional<SoakFrame> frame = soakFrameOf(
        Json::parse(R"({"frame":7,"deltaTime":0.0166,"coins":3,"beers":12,"player":[1,0.25,-4],"pictures":[]})"));
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->frame, 7);
    EXPECT_EQ(frame->coins, 3);
    EXPECT_EQ(frame->beers, 12);
    EXPECT_DOUBLE_EQ(frame->playerY, 0.25);

    // The trace writes a non-finite height as null; it must not pass as 0.
    const std::optional<SoakFrame> nan =
        soakFrameOf(Json::parse(R"({"frame":0,"coins":0,"beers":0,"player":[0,null,0]})"));
    ASSERT_TRUE(nan);
    EXPECT_TRUE(std::isnan(nan->playerY));
    EXPECT_FALSE(soakFrameOf(Json::parse(R"({"frame":0,"coins":0,"player":[0,0,0]})")));
    EXPECT_FALSE(soakFrameOf(Json::parse(R"([1,2,3])")));
}

TEST(SoakChecksTest, AcceptsPickupsRestartsAndTheGroundItself)
{
    std::vector<SoakFrame> frames = steadyFrames(6);
    frames[1] = {1, 1, 2, 0.0};
    frames[2] = {2, 2, 27, 3.5};  // every beer of the field at once
    frames[3] = {3, 0, 0, 1e-7};  // restart
    frames[4] = {4, 1, 0, 0.0};
    frames[5] = {5, 1, 0, 0.0};
    EXPECT_TRUE(frameProblems(frames, 6, [](long frame) { return frame == 3; }).empty());
}

TEST(SoakChecksTest, FlagsTheFigureBelowTheGround)
{
    std::vector<SoakFrame> frames = steadyFrames(4);
    frames[2].playerY = -0.0001;
    frames[3].playerY = std::nan("");
    const std::vector<std::string> problems = frameProblems(frames, 4, noRestart);
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(problems[0].rfind("frame 2: the figure is below the ground", 0), 0u) << problems[0];
    EXPECT_EQ(problems[1].rfind("frame 3:", 0), 0u) << problems[1];
}

TEST(SoakChecksTest, FlagsCountersThatMoveAgainstTheRules)
{
    std::vector<SoakFrame> frames = steadyFrames(7);
    frames[1] = {1, 2, 0, 0.0};   // two coins in one frame
    frames[2] = {2, 2, 26, 0.0};  // more beers than the field holds
    frames[3] = {3, 1, 26, 0.0};  // a coin lost without restart
    frames[4] = {4, 1, 26, 0.0};  // restart held, counters kept
    frames[5] = {5, -1, 0, 0.0};
    const std::vector<std::string> problems = frameProblems(frames, 7, [](long frame) { return frame == 4; });
    ASSERT_EQ(problems.size(), 5u) << ::testing::PrintToString(problems);
    EXPECT_EQ(problems[0], "frame 1: coins went from 0 to 2");
    EXPECT_EQ(problems[1], "frame 2: beers went from 0 to 26");
    EXPECT_EQ(problems[2], "frame 3: coins went from 2 to 1");
    EXPECT_EQ(problems[3], "frame 4: restart held but coins 1, beers 26");
    EXPECT_EQ(problems[4], "frame 5: negative count, coins -1, beers 0");
}

TEST(SoakChecksTest, FlagsAShortOrDisorderedTrace)
{
    EXPECT_EQ(frameProblems(steadyFrames(3), 4, noRestart),
              std::vector<std::string>{"the trace has 3 frames, not 4"});
    std::vector<SoakFrame> frames = steadyFrames(3);
    frames[1].frame = 2;
    EXPECT_EQ(frameProblems(frames, 3, noRestart), std::vector<std::string>{"line 2 is frame 2"});
}

TEST(SoakChecksTest, ReadsTheMemoryLogAndRefusesAnythingElse)
{
    const std::optional<std::vector<MemorySample>> samples = parseMemoryLog("0 51200\n100 61440\n149 61444\n");
    ASSERT_TRUE(samples);
    ASSERT_EQ(samples->size(), 3u);
    EXPECT_EQ((*samples)[2].frame, 149);
    EXPECT_EQ((*samples)[2].residentKiB, 61444);
    EXPECT_FALSE(parseMemoryLog("0 51200\n100\n"));
    EXPECT_FALSE(parseMemoryLog("0 51200 KiB\n"));
    EXPECT_FALSE(parseMemoryLog("0 0\n"));
}

TEST(SoakChecksTest, MemoryMustStayWithinTheToleranceOfTheWarmFigure)
{
    const std::vector<MemorySample> log = {{0, 50000}, {1000, 100000}, {1500, 120000}, {1999, 104900}};
    const MemoryComparison level = compareMemory(log, 1000, 1999, 0.05);
    EXPECT_TRUE(level.problem.empty()) << level.problem;
    EXPECT_EQ(level.baselineKiB, 100000);
    EXPECT_EQ(level.finalKiB, 104900);
    EXPECT_NEAR(level.change, 0.049, 1e-12);

    const MemoryComparison grown = compareMemory({{1000, 100000}, {1999, 105100}}, 1000, 1999, 0.05);
    EXPECT_NE(grown.problem.find("went from 100000 KiB after frame 1000 to 105100 KiB after frame 1999"),
              std::string::npos)
        << grown.problem;
    EXPECT_FALSE(compareMemory({{1000, 100000}, {1999, 90000}}, 1000, 1999, 0.05).problem.empty());
    EXPECT_EQ(compareMemory({{1000, 100000}, {1900, 100000}}, 1000, 1999, 0.05).problem,
              "the memory log lacks frame 1999");
    EXPECT_EQ(compareMemory({{1999, 100000}}, 1000, 1999, 0.05).problem, "the memory log lacks frame 1000");
}

} // namespace
} // namespace tavernrush::e2e
