// The run files of the real game, played as a player plays: keys typed with
// xdotool into the built game under the test display, at real and uneven
// frame times. What it keeps replays exactly, a key taken out of it is
// caught at the next checksum, and a game killed outright leaves a run that
// replays up to its last flush.
#include "ChildProcess.h"
#include "GameWindows.h"
#include "ProcessEnvironment.h"
#include "TemporaryFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <filesystem>
#include <regex>
#include <string>
#include <thread>
#include <vector>

namespace tavernrush::e2e {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using ::testing::HasSubstr;

class RunFilesGLTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(windows_.connected()) << "no X display; run under xvfb-run";
        // Small and never paused by another test's window taking the focus.
        writeWholeFile(folder_.path() / "settings.ini",
                       "[window]\nwidth = 160\nheight = 120\npause_on_focus_loss = false\n");
    }

    ProcessEnvironment environment() const
    {
        return ProcessEnvironment::inherited()
            .set("XDG_STATE_HOME", (folder_.path() / "state").string())
            .set("XDG_DATA_HOME", (folder_.path() / "data").string())
            .set("ALSOFT_DRIVERS", "null");
    }

    // Starts the game and waits for its window.
    std::unique_ptr<ChildProcess> startGame()
    {
        auto game = std::make_unique<ChildProcess>(ProcessStart{
            {TAVERNRUSH_GAME_BINARY, "--settings", (folder_.path() / "settings.ini").string()}, TAVERNRUSH_BUILD_DIR,
            environment(), folder_.path() / "game.txt", {}});
        const auto deadline = std::chrono::steady_clock::now() + 60s;
        while (!window_ && game->running() && std::chrono::steady_clock::now() < deadline) {
            window_ = windows_.visibleWindowOf(game->id());
            std::this_thread::sleep_for(50ms);
        }
        EXPECT_TRUE(window_) << readWholeFile(folder_.path() / "game.txt");
        // The game opens on the title once its run file is made; Space plays.
        const fs::path runs = folder_.path() / "state" / "tavernrush" / "runs";
        while (window_ && game->running() && std::chrono::steady_clock::now() < deadline &&
               (!fs::is_directory(runs) || fs::is_empty(runs))) {
            std::this_thread::sleep_for(50ms);
        }
        if (window_) {
            xdotool("key", "space");
            std::this_thread::sleep_for(300ms);
        }
        return game;
    }

    // xdotool sends the key to the game's own window, whichever has the focus.
    void xdotool(const std::string& what, const std::string& key)
    {
        ChildProcess tool({{"/usr/bin/xdotool", what, "--window", std::to_string(*window_), key}, {},
                           ProcessEnvironment::inherited(), folder_.path() / "xdotool.txt", {}});
        EXPECT_EQ(tool.waitForEnd(10s).exitStatus, std::optional<int>(0)) << readWholeFile(folder_.path() / "xdotool.txt");
    }

    void hold(const std::string& key, std::chrono::milliseconds howLong)
    {
        xdotool("keydown", key);
        std::this_thread::sleep_for(howLong);
        xdotool("keyup", key);
    }

    fs::path theRunFile() const
    {
        std::vector<fs::path> runs;
        for (const auto& entry : fs::directory_iterator(folder_.path() / "state" / "tavernrush" / "runs")) {
            runs.push_back(entry.path());
        }
        EXPECT_EQ(runs.size(), 1u);
        return runs.empty() ? fs::path() : runs.front();
    }

    struct Replayed {
        ProcessEnd end;
        std::string output;
        std::string errors;
    };
    Replayed replay(const fs::path& run)
    {
        ChildProcess tool({{TAVERNRUSH_REPLAY_BINARY, "--script", run.string()}, TAVERNRUSH_BUILD_DIR, environment(),
                           folder_.path() / "replay.txt", folder_.path() / "replay-errors.txt"});
        Replayed replayed{tool.waitForEnd(300s), readWholeFile(folder_.path() / "replay.txt"),
                          readWholeFile(folder_.path() / "replay-errors.txt")};
        return replayed;
    }

    TemporaryFolder folder_{"runs"};
    GameWindows windows_;
    std::optional<unsigned long> window_;
};

// The frame of the first line of `run` matching `line`, and the first
// checksum at or after it.
std::pair<long, long> lineAndNextCheck(const std::string& run, const std::regex& line)
{
    long found = -1;
    for (const std::string& text : splitLines(run)) {
        std::smatch match;
        if (found < 0 && std::regex_match(text, match, line)) {
            found = std::stol(match[1]);
        }
        if (found >= 0 && std::regex_match(text, match, std::regex("([0-9]+) check .*")) &&
            std::stol(match[1]) >= found) {
            return {found, std::stol(match[1])};
        }
    }
    return {found, -1};
}

TEST_F(RunFilesGLTest, TwentySecondsOfPlayReplayExactlyAndAKeyTakenOutIsCaughtAtTheNextCheck)
{
    const std::unique_ptr<ChildProcess> game = startGame();
    ASSERT_TRUE(window_);
    // Some twenty seconds: walking, turning both ways, jumping, with pauses,
    // once through the pause menu, which the run keeps as what it did.
    for (int round = 0; round < 4; ++round) {
        if (round == 1) {
            // Held past a slow frame: the rules poll the pause key.
            hold("p", 500ms);
            std::this_thread::sleep_for(300ms);
            xdotool("key", "Return");
        }
        hold("Up", 1500ms);
        hold("Right", 400ms + 100ms * round);
        hold("space", 150ms);
        hold("Up", 1200ms);
        hold("Left", 300ms);
        std::this_thread::sleep_for(300ms);
        hold("Down", 400ms);
    }
    xdotool("key", "Escape");
    ASSERT_EQ(game->waitForEnd(30s).exitStatus, std::optional<int>(0)) << readWholeFile(folder_.path() / "game.txt");

    const fs::path run = theRunFile();
    const std::string text = readWholeFile(run);
    ASSERT_THAT(text, HasSubstr(" actions forward\n"));
    EXPECT_THAT(text, HasSubstr("0 menu title\n"));
    EXPECT_THAT(text, HasSubstr(" menu play\n"));
    EXPECT_THAT(text, HasSubstr(" menu resume\n"));
    const Replayed exact = replay(run);
    EXPECT_EQ(exact.end.exitStatus, std::optional<int>(0)) << describe(exact.end) << exact.errors;
    EXPECT_THAT(exact.output, HasSubstr("The run replays exactly: "));

    // The first turn to the right taken out: the player walks elsewhere.
    const auto [frame, check] = lineAndNextCheck(text, std::regex("([0-9]+) actions right"));
    ASSERT_GE(check, 0) << "no checksum after the first turn";
    const std::string cut = std::regex_replace(text, std::regex("\n" + std::to_string(frame) + " actions right\n"),
                                               "\n", std::regex_constants::format_first_only);
    ASSERT_NE(cut, text);
    writeWholeFile(folder_.path() / "cut.run", cut);
    const Replayed diverged = replay(folder_.path() / "cut.run");
    EXPECT_EQ(diverged.end.exitStatus, std::optional<int>(1)) << describe(diverged.end);
    EXPECT_THAT(diverged.errors, HasSubstr("cut.run: frame " + std::to_string(check) + ": the player differs"));
    EXPECT_EQ(splitLines(diverged.errors).size(), 1u) << diverged.errors;
}

TEST_F(RunFilesGLTest, AGameKilledMidRunLeavesARunThatReplaysUpToItsLastFlush)
{
    const std::unique_ptr<ChildProcess> game = startGame();
    ASSERT_TRUE(window_);
    hold("Up", 1500ms);
    xdotool("keydown", "Right");
    std::this_thread::sleep_for(1200ms);
    ASSERT_EQ(::kill(game->id(), SIGKILL), 0);
    EXPECT_EQ(game->waitForEnd(10s).signal, std::optional<int>(SIGKILL));

    const fs::path run = theRunFile();
    const std::string text = readWholeFile(run);
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.back(), '\n') << "flushes write whole lines";
    EXPECT_THAT(text, HasSubstr(" actions right\n")) << "held at the kill, flushed within a second";
    const Replayed replayed = replay(run);
    EXPECT_EQ(replayed.end.exitStatus, std::optional<int>(0)) << describe(replayed.end) << replayed.errors;
    EXPECT_THAT(replayed.output, HasSubstr("The run replays exactly: "));
}

} // namespace
} // namespace tavernrush::e2e

namespace tavernrush::e2e {
namespace {

// An abort (as a failed assertion raises it) writes what the last flush had
// not, and names the file, before the process ends as aborted.
TEST_F(RunFilesGLTest, AnAbortWritesWhatIsPendingAndNamesTheRun)
{
    const std::unique_ptr<ChildProcess> game = startGame();
    ASSERT_TRUE(window_);
    hold("Up", 1200ms);
    ASSERT_EQ(::kill(game->id(), SIGABRT), 0);
    EXPECT_EQ(game->waitForEnd(10s).signal, std::optional<int>(SIGABRT));

    const fs::path run = theRunFile();
    EXPECT_THAT(readWholeFile(folder_.path() / "game.txt"),
                HasSubstr("tavernrush: the run so far is kept in " + run.string() + "\n"));
    const Replayed replayed = replay(run);
    EXPECT_EQ(replayed.end.exitStatus, std::optional<int>(0)) << describe(replayed.end) << replayed.errors;
    EXPECT_THAT(replayed.output, HasSubstr("The run replays exactly: "));
}

} // namespace
} // namespace tavernrush::e2e
