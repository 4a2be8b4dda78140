// Run files: what the game writes reads back as the same input, clock and
// checks; damaged ones are refused by line; the ghost takes the last win;
// the replay's check names the first part that differs; the folder keeps
// the newest runs and the best.
#include "app/RecordedClock.h"
#include "app/ReplayScript.h"
#include "app/RunFileWriter.h"
#include "app/RunFolder.h"
#include "app/ScriptedInput.h"
#include "replay/RunCheck.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace tavernrush {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

std::string header() { return runHeaderLines(RunHeader{"0.1.0", "meadow", {1, 2, 3}, 160, 120, 0.25}); }

ReplayScript parsed(const std::string& text)
{
    ScriptParse parse = parseReplayScript(text);
    if (const auto* error = std::get_if<ScriptError>(&parse)) {
        ADD_FAILURE() << error->message();
        return {};
    }
    return std::get<ReplayScript>(parse);
}

std::string refusal(const std::string& text)
{
    const ScriptParse parse = parseReplayScript(text);
    const auto* error = std::get_if<ScriptError>(&parse);
    return error != nullptr ? error->message() : "accepted";
}

TEST(RunFile, WhatTheGameWritesReadsBackAsTheSameInputAndClock)
{
    GamepadState pad;
    pad.buttons[static_cast<std::size_t>(PadButton::A)] = true;
    pad.axes[static_cast<std::size_t>(PadAxis::LeftX)] = 0.1f;
    const double oddReading = 0.1 + 0.2;
    const std::string text = header() + actionsLine(0, 0) + pointerLine(0, {3.5, 1.0 / 3.0}) +
                             timeLine(0, oddReading) + actionsLine(1, (1U << static_cast<int>(Action::Jump)) |
                                                                           (1U << static_cast<int>(Action::Ghost))) +
                             gamepadLine(1, pad) + timeLine(1, 0.5) + actionsLine(2, 0) + timeLine(2, 0.75) +
                             checkLine(2, RulesChecksums{1, 2, 3, 4, 5, 6, 0xffffffffffffffffULL});
    const ReplayScript script = parsed(text);
    ASSERT_TRUE(script.run);
    EXPECT_EQ(script.run->header.level, "meadow");
    EXPECT_EQ(script.run->header.width, 160);
    EXPECT_EQ(script.run->frameEndTimes, (std::vector<double>{oddReading, 0.5, 0.75}));
    ASSERT_EQ(script.run->checks.size(), 1u);
    EXPECT_EQ(script.run->checks[0].sums[6], 0xffffffffffffffffULL);

    ScriptedInput input(script);
    input.setFrame(1);
    EXPECT_TRUE(input.isKeyHeld(Action::Jump));
    EXPECT_TRUE(input.isKeyHeld(Action::Ghost));
    EXPECT_FALSE(input.isKeyHeld(Action::Forward));
    EXPECT_EQ(input.cursorPosition(), glm::dvec2(3.5, 1.0 / 3.0)) << "the pointer stays where it was put";
    EXPECT_TRUE(input.gamepad().held(PadButton::A));
    EXPECT_EQ(input.gamepad().axis(PadAxis::LeftX), 0.1f);
    input.setFrame(2);
    EXPECT_FALSE(input.isKeyHeld(Action::Jump));

    RecordedClock clock(script.run->header.clockStart, script.run->frameEndTimes, false);
    EXPECT_EQ(clock.now(), 0.25);
    clock.beginFrame(0);
    EXPECT_EQ(clock.now(), oddReading);
}

TEST(RunFile, DamagedRunsAreRefusedByTheirLine)
{
    EXPECT_EQ(refusal(header() + timeLine(0, 0.1) + timeLine(2, 0.2)), "line 7: time of frame 2 where frame 1's is due");
    EXPECT_EQ(refusal("0 time 0.1\n"), "line 1: unknown directive 'time' (known: key cursor button scroll release "
                                       "focus pad)");
    EXPECT_EQ(refusal("0-5 key up\nrun 0.1.0\n"), "line 2: 'run' comes first in a run file, once");
    EXPECT_THAT(refusal(header()), HasSubstr("no frame"));
    EXPECT_THAT(refusal(header() + "0 time 0.1\n0 check player=1\n"), HasSubstr("names every part"));
    EXPECT_THAT(refusal(header() + "0 actions fly\n"), HasSubstr("unknown action 'fly'"));
    EXPECT_THAT(refusal(header() + "5 actions\n4 actions jump\n"), HasSubstr("comes after frame 5"));
    EXPECT_THAT(refusal("run 0.1.0\nlevel ../../etc\n"), HasSubstr("letters, digits"));
    EXPECT_THAT(refusal(header() + "0 ghost 0 1e39 0 0 0\n"), HasSubstr("too large"));
}

TEST(RunFile, TheGhostWalksTheLastWinFromTheRestartBeforeIt)
{
    RunRecord run;
    const auto sample = [&run](long frame, float time, float x) {
        run.ghost.push_back({frame, GhostSample{time, glm::vec3(x, 0.0f, 0.0f), 0.0f}});
    };
    sample(0, 0.0f, 100.0f);
    sample(6, 0.6f, 100.0f);
    sample(12, 0.0f, 0.0f); // restart
    sample(18, 1.0f, 10.0f);
    sample(24, 2.0f, 20.0f);
    sample(30, 3.0f, 30.0f); // after the win
    EXPECT_TRUE(ghostOfLastWin(run).empty()) << "no win, no ghost";
    run.wins.push_back({24, 20});
    const GhostRun ghost = ghostOfLastWin(run);
    EXPECT_NEAR((*ghost.placementAt(0.5f))[3].x, 5.0f, 1e-5f);
    EXPECT_NEAR((*ghost.placementAt(9.0f))[3].x, 20.0f, 1e-5f) << "it stops where the win was";
}

TEST(RunFile, TheReplaysCheckNamesTheFrameAndTheFirstPartThatDiffers)
{
    RunCheck check({{59, RulesChecksums{1, 2, 3, 4, 5, 6, 7}}, {119, RulesChecksums{1, 2, 3, 4, 5, 6, 7}}});
    EXPECT_TRUE(check.afterFrame(58, RulesChecksums{}));
    EXPECT_TRUE(check.afterFrame(59, RulesChecksums{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_FALSE(check.afterFrame(119, RulesChecksums{1, 2, 9, 4, 5, 6, 9}));
    EXPECT_EQ(*check.divergence(),
              "frame 119: the coins differs from the run (run 0000000000000003, replay 0000000000000009)");
}

TEST(RunFolderTest, ANewRunKeepsTheNewestAndTheBestAndAnUnwritableFolderCostsOneLine)
{
    const fs::path folder = fs::temp_directory_path() / ("tavernrush-runs-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    for (int i = 10; i < 30; ++i) {
        std::ofstream(folder / ("run-202601" + std::to_string(i) + "-000000-1.run")) << "x";
    }
    std::ofstream(folder / "best-meadow.run") << "x";
    pruneRuns(folder, 3);
    EXPECT_FALSE(fs::exists(folder / "run-20260126-000000-1.run"));
    EXPECT_TRUE(fs::exists(folder / "run-20260127-000000-1.run"));
    EXPECT_TRUE(fs::exists(folder / "run-20260129-000000-1.run"));
    EXPECT_TRUE(fs::exists(folder / "best-meadow.run"));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 4);

    std::ostringstream log;
    RunFileWriter writer(folder / "no-such-folder" / "run.run", log);
    writer.append("0 time 0\n");
    writer.flush();
    EXPECT_FALSE(writer.isRecording());
    const std::string said = log.str();
    EXPECT_THAT(said, HasSubstr("The game goes on without keeping this run.\n"));
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1);
    fs::remove_all(folder);
}

} // namespace
} // namespace tavernrush
