// The bad-input suite: the real game binary, under the test display, started
// in a copy of the asset tree with one thing broken (or one of the player's
// own files: records, the pictures folder). Each case must print its
// line about the broken file (and nothing unexplained), keep running until
// Escape ends it with status 0, and never crash. The same broken tree then
// goes through the replay tool, which runs the same start-up and frame loop
// for a counted number of frames, proving that a few hundred frames pass.

#include "BadInputCases.h"
#include "ChildProcess.h"
#include "BadInputTree.h"
#include "GameWindows.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <iostream>
#include <thread>

namespace tavernrush::e2e {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// Start-up builds the whole level; under a loaded machine that can take a
// while before the window shows.
constexpr auto windowDeadline = 60s;
// The game plays until it has printed every line the case expects (some
// come during play, like picture 02 of the board 0.4 s in), then this much
// longer before Escape. Start-up goes on for about a second after the window
// shows, so some dozens of frames run here; the replay run counts its frames.
constexpr auto linesDeadline = 60s;
constexpr auto playTime = 1500ms;
constexpr auto quitDeadline = 15s;
constexpr auto replayDeadline = 240s;
constexpr auto noDisplayDeadline = 1s;
// A key the case presses is held at most this long before it is pressed again.
constexpr auto keyHoldTime = 3s;

#ifdef TAVERNRUSH_SANITIZED_BUILD
constexpr bool sanitizedBuild = true;
#else
constexpr bool sanitizedBuild = false;
#endif

struct GameRun {
    ProcessEnd end;
    bool windowShown = false;
    bool escapeSent = false;
    std::optional<WindowSize> size;
    std::optional<std::string> title;
    std::string output;
    std::string errors;
};

std::string quoted(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        text += "  | " + line.substr(0, 300) + (line.size() > 300 ? "..." : "") + "\n";
    }
    return text.empty() ? "  (nothing)\n" : text;
}

bool printedAll(const fs::path& output, const std::vector<std::string>& expectedLines)
{
    const std::vector<std::string> lines = splitLines(readWholeFile(output));
    return std::all_of(expectedLines.begin(), expectedLines.end(), [&](const std::string& expected) {
        return std::any_of(lines.begin(), lines.end(),
                           [&](const std::string& line) { return line.rfind(expected, 0) == 0; });
    });
}

// Holds each key until the expected lines are printed, and presses it again
// if the game let it go unseen (a window that loses the focus lets go of its
// keys, and the game polls them only once it plays).
void pressKeys(GameWindows& windows, unsigned long window, const std::vector<std::string>& keys,
               const fs::path& output, const std::vector<std::string>& expectedLines)
{
    const auto givenUpBy = Clock::now() + linesDeadline;
    for (const std::string& key : keys) {
        do {
            EXPECT_TRUE(windows.sendKeyEvent(window, key, true)) << key;
            const auto heldUntil = Clock::now() + keyHoldTime;
            while (Clock::now() < heldUntil && !printedAll(output, expectedLines)) {
                std::this_thread::sleep_for(50ms);
            }
            windows.sendKeyEvent(window, key, false);
            std::this_thread::sleep_for(200ms);
        } while (!printedAll(output, expectedLines) && Clock::now() < givenUpBy);
    }
}

// The case's own data and config homes, so no run reads or writes the
// tester's.
ProcessEnvironment caseEnvironment(const fs::path& folder, ProcessEnvironment environment = ProcessEnvironment::inherited())
{
    for (const std::string& entry : caseHomes(folder)) {
        const std::size_t equals = entry.find('=');
        environment.set(entry.substr(0, equals), entry.substr(equals + 1));
    }
    return environment;
}

// The program's command line, under the case's limit on file sizes where it
// has one: a write past it fails with "File too large" instead of ending the
// program with SIGXFSZ, as a full disk fails it.
std::vector<std::string> launch(const BadInputCase& c, std::vector<std::string> arguments)
{
    if (c.fileSizeBlocks) {
        arguments.insert(arguments.begin(), {"/bin/sh", "-c",
                                             "trap '' XFSZ; ulimit -f " + std::to_string(*c.fileSizeBlocks) +
                                                 " && exec \"$@\"",
                                             "sh"});
    }
    return arguments;
}

// Plays the game in `folder` until Escape, the way a player would.
GameRun playUntilEscape(const fs::path& folder, const BadInputCase& c,
                        const ProcessEnvironment& environment = ProcessEnvironment::inherited())
{
    const std::vector<std::string>& expectedLines = c.expectedLines;
    GameRun run;
    GameWindows windows;
    if (!windows.connected()) {
        ADD_FAILURE() << "no X display to play on";
        return run;
    }
    ChildProcess game({launch(c, {TAVERNRUSH_GAME_BINARY}), folder, caseEnvironment(folder, environment),
                       folder / "game-stdout.txt", folder / "game-stderr.txt"});
    std::optional<unsigned long> window;
    const auto shownBy = Clock::now() + windowDeadline;
    while (game.running() && !window && Clock::now() < shownBy) {
        window = windows.visibleWindowOf(game.id());
        std::this_thread::sleep_for(20ms);
    }
    run.windowShown = window.has_value();
    if (window) {
        run.size = windows.size(*window);
        run.title = windows.title(*window);
        pressKeys(windows, *window, c.keysDuringPlay, folder / "game-stdout.txt", expectedLines);
        const auto printedBy = Clock::now() + linesDeadline;
        while (game.running() && Clock::now() < printedBy && !printedAll(folder / "game-stdout.txt", expectedLines)) {
            std::this_thread::sleep_for(50ms);
        }
        const auto playedBy = Clock::now() + playTime;
        while (game.running() && Clock::now() < playedBy) {
            std::this_thread::sleep_for(20ms);
        }
        // A game that ended on its own during play did not keep running.
        if (game.running()) {
            run.escapeSent = windows.sendEscape(*window);
        }
    }
    run.end = game.waitForEnd(run.escapeSent ? quitDeadline : 0ms);
    run.output = readWholeFile(folder / "game-stdout.txt");
    run.errors = readWholeFile(folder / "game-stderr.txt");
    return run;
}

struct ConsoleExpectation {
    const std::vector<std::string>& expectedLines;
    const std::string& namedFile;
    const std::vector<std::string>& toleratedLines;
};

// Every expected line once, the named file in one line only, and nothing
// that is neither expected nor tolerated.
void expectConsole(const std::vector<std::string>& lines, const ConsoleExpectation& c, const std::string& who)
{
    for (const std::string& expected : c.expectedLines) {
        const auto count = std::count_if(lines.begin(), lines.end(),
                                         [&](const std::string& line) { return line.rfind(expected, 0) == 0; });
        EXPECT_EQ(count, 1) << who << " should print once: " << expected << "\nit printed:\n" << quoted(lines);
    }
    if (!c.namedFile.empty()) {
        const auto count = std::count_if(lines.begin(), lines.end(), [&](const std::string& line) {
            return line.find(c.namedFile) != std::string::npos;
        });
        EXPECT_EQ(count, 1) << who << " should name " << c.namedFile << " in one line\nit printed:\n" << quoted(lines);
    }
    std::vector<std::string> unexplained;
    for (const std::string& line : lines) {
        const bool expected = std::any_of(c.expectedLines.begin(), c.expectedLines.end(),
                                          [&](const std::string& start) { return line.rfind(start, 0) == 0; });
        const bool tolerated =
            std::any_of(c.toleratedLines.begin(), c.toleratedLines.end(),
                        [&](const std::string& part) { return line.find(part) != std::string::npos; });
        if (!expected && !tolerated) {
            unexplained.push_back(line);
        }
    }
    // A GL error every frame would repeat hundreds of times; the first few say it.
    const std::vector<std::string> first(unexplained.begin(),
                                         unexplained.begin() + std::min<std::ptrdiff_t>(unexplained.size(), 5));
    EXPECT_TRUE(unexplained.empty()) << who << " printed " << unexplained.size() << " unexplained lines, first:\n"
                                     << quoted(first);
}

// The player's run: the real game shows its window, prints the case's lines,
// plays and quits on Escape with status 0.
void checkGame(const CaseTree& tree, const BadInputCase& c)
{
    const auto started = Clock::now();
    const GameRun game = playUntilEscape(tree.folder(), c);
    const auto gameSeconds = std::chrono::duration<double>(Clock::now() - started).count();
    const std::vector<std::string> gameLines = splitLines(game.output);
    std::cout << c.name << ": the game printed (" << gameLines.size() << " lines, " << gameSeconds << " s):\n"
              << quoted(std::vector<std::string>(gameLines.begin(),
                                                 gameLines.begin() + std::min<std::size_t>(gameLines.size(), 6)));

    ASSERT_TRUE(game.windowShown) << "no window; the game " << describe(game.end) << "\n" << quoted(gameLines);
    EXPECT_TRUE(game.escapeSent) << "the game ended before Escape: " << describe(game.end);
    EXPECT_FALSE(game.end.signal) << describe(game.end);
    EXPECT_EQ(game.end.exitStatus, std::optional<int>(0)) << describe(game.end);
    EXPECT_EQ(game.errors, "") << "standard error";
    const std::string shownSize =
        game.size ? std::to_string(game.size->width) + " x " + std::to_string(game.size->height) : "unknown";
    EXPECT_EQ(game.size, std::optional<WindowSize>(c.window)) << "window " << shownSize;
    if (c.title) {
        ASSERT_TRUE(game.title.has_value());
        std::cout << c.name << ": window title of " << game.title->size() << " characters\n";
        if (c.titleMayBeCut) {
            EXPECT_FALSE(game.title->empty());
            EXPECT_EQ(c.title->rfind(*game.title, 0), 0u) << "window title: " << *game.title;
        } else {
            EXPECT_EQ(*game.title, *c.title);
        }
    }
    expectConsole(gameLines, {c.expectedLines, c.namedFile, c.toleratedLines}, "the game");
}

// The replay: same start-up, same frame loop, a counted number of frames.
void checkReplay(const CaseTree& tree, const BadInputCase& c)
{
    const fs::path folder = tree.folder();
    std::vector<std::string> arguments{TAVERNRUSH_REPLAY_BINARY, "--frames", std::to_string(c.replayFrames)};
    if (!c.replayScript.empty()) {
        std::ofstream(folder / "replay-script.txt") << c.replayScript;
        arguments.insert(arguments.end(), {"--script", (folder / "replay-script.txt").string()});
    }
    for (std::string argument : c.replayArguments) {
        if (const std::size_t at = argument.find("{folder}"); at != std::string::npos) {
            argument.replace(at, 8, folder.string());
        }
        arguments.push_back(argument);
    }
    ChildProcess replay({launch(c, arguments), folder, caseEnvironment(folder), folder / "replay-stdout.txt",
                         folder / "replay-stderr.txt"});
    const ProcessEnd replayEnd = replay.waitForEnd(replayDeadline);
    std::vector<std::string> replayLines = splitLines(readWholeFile(folder / "replay-stdout.txt"));
    EXPECT_EQ(replayEnd.exitStatus, std::optional<int>(0)) << "replay " << describe(replayEnd);
    EXPECT_EQ(readWholeFile(folder / "replay-stderr.txt"), "") << "replay standard error";
    // Its last line is the frame-time summary, which counts the frames run.
    ASSERT_FALSE(replayLines.empty());
    EXPECT_EQ(replayLines.back().rfind("frames: " + std::to_string(c.replayFrames) + " ", 0), 0u)
        << replayLines.back();
    replayLines.pop_back();
    expectConsole(replayLines,
                  {c.replayExpectedLines.value_or(c.expectedLines), c.replayNamedFile.value_or(c.namedFile),
                   c.toleratedLines},
                  "the replay");
    if (c.afterwards) {
        c.afterwards(folder);
    }
}

class BadInputGLTest : public ::testing::TestWithParam<BadInputCase> {};

TEST_P(BadInputGLTest, GameNamesTheFileKeepsRunningAndQuitsOnEscape)
{
    const BadInputCase& c = GetParam();
    CaseTree tree(c.name, "assets");
    tree.write("settings.ini", smallWindowSettings());
    c.breakTree(tree);
    ASSERT_FALSE(HasFatalFailure());

    // The sanitizer build looks for memory faults behind each broken file: the
    // counted replay runs the same start-up and frames under the sanitizers,
    // so the player's run, whose window and console the everyday build has
    // checked already, is not repeated there. Unless the replay is meant to
    // find what the player's run left behind (a damaged records file set
    // aside): then both run everywhere.
    const bool replayFollowsTheGame = c.replayExpectedLines.has_value() || c.replayNamedFile.has_value();
    if (!sanitizedBuild || replayFollowsTheGame) {
        checkGame(tree, c);
    }
    checkReplay(tree, c);
}

std::vector<BadInputCase> allCases()
{
    std::vector<BadInputCase> cases = settingsCases();
    for (auto more : {assetCases(), unusualButValidCases(), playerFileCases(), settingsSaveCases()}) {
        cases.insert(cases.end(), more.begin(), more.end());
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Cases, BadInputGLTest, ::testing::ValuesIn(allCases()),
                         [](const ::testing::TestParamInfo<BadInputCase>& info) { return info.param.name; });

// Damaged, truncated and hostile run files: the game asked to watch one and
// the replay asked to replay one each refuse it with one line on standard
// error and a failing status, before a window, a sound or any of the
// player's files; nothing is made in the case folder.
TEST(BadInputRunFilesGLTest, WatchAndReplayRefuseEachWithOneLineAndTouchNothing)
{
    for (const RunFileCase& c : runFileCases()) {
        SCOPED_TRACE(c.name);
        TemporaryFolder temporary("bad-run");
        const fs::path folder = temporary.path();
        const fs::path given = folder / "given.run";
        c.make(given);
        const fs::path outputs = folder / "outputs";
        fs::create_directories(outputs);
        const std::vector<std::vector<std::string>> commands{
            {TAVERNRUSH_GAME_BINARY, "--watch", given.string()},
            {TAVERNRUSH_REPLAY_BINARY, "--script", given.string()}};
        for (const std::vector<std::string>& command : commands) {
            if (c.watchOnly && command.front() == TAVERNRUSH_REPLAY_BINARY) {
                continue;
            }
            ChildProcess program({command, folder, caseEnvironment(folder), outputs / "out.txt", outputs / "err.txt"});
            const ProcessEnd end = program.waitForEnd(20s);
            ASSERT_TRUE(end.exitStatus) << command.front() << " " << describe(end);
            EXPECT_TRUE(*end.exitStatus == 1 || *end.exitStatus == 2) << command.front() << " " << describe(end);
            const std::string errors = readWholeFile(outputs / "err.txt");
            const std::vector<std::string> lines = splitLines(errors);
            ASSERT_EQ(lines.size(), 1u) << command.front() << "\n" << errors;
            EXPECT_NE(lines.front().find(given.string()), std::string::npos) << lines.front();
            EXPECT_NE(lines.front().find(c.says), std::string::npos) << lines.front();
            EXPECT_EQ(std::count_if(errors.begin(), errors.end(), [](char ch) { return ch == '\x1b'; }), 0);
            EXPECT_EQ(readWholeFile(outputs / "out.txt"), "") << command.front();
        }
        std::vector<std::string> left;
        for (const auto& entry : fs::directory_iterator(folder)) {
            left.push_back(entry.path().filename().string());
        }
        std::sort(left.begin(), left.end());
        EXPECT_EQ(left, (std::vector<std::string>{"given.run", "outputs"}));
    }
}

// A machine without a sound device: one line says so and the game plays on
// silently. OpenAL Soft looks for the output through ALSA, here without its
// configuration, so that there is no "default" output on any machine; both
// libraries would say so in their own words, and keep quiet unless the
// player asks for OpenAL's log.
TEST(BadInputNoSoundDeviceGLTest, GameSaysSoundIsOffInOneLineAndPlaysOn)
{
    CaseTree tree("NoSoundDevice", "assets");
    tree.write("settings.ini", smallWindowSettings());
    BadInputCase c;
    c.expectedLines = {"Sound is off: "};
    ProcessEnvironment noDevice = ProcessEnvironment::inherited();
    noDevice.set("ALSOFT_DRIVERS", "alsa").set("ALSA_CONFIG_PATH", (tree.folder() / "no-alsa.conf").string());
    const GameRun game = playUntilEscape(tree.folder(), c, noDevice);
    ASSERT_TRUE(game.windowShown) << describe(game.end);
    EXPECT_TRUE(game.escapeSent);
    EXPECT_EQ(game.end.exitStatus, std::optional<int>(0)) << describe(game.end);
    const std::vector<std::string> lines = splitLines(game.output);
    ASSERT_EQ(lines.size(), 1u) << quoted(lines);
    EXPECT_EQ(lines.front().rfind("Sound is off: ", 0), 0u) << lines.front();
    EXPECT_EQ(game.errors, "") << "standard error";

    const GameRun logged = playUntilEscape(tree.folder(), c, noDevice.set("ALSOFT_LOGLEVEL", "1"));
    EXPECT_EQ(logged.end.exitStatus, std::optional<int>(0)) << describe(logged.end);
    EXPECT_NE(logged.errors.find("AL lib: (EE) "), std::string::npos) << "standard error:\n" << logged.errors;
}

// An unplugged headset: OpenAL Soft's wave writer plays into /dev/full, so
// its first mix fails and the device is lost. Once the game has said so, the
// file it writes becomes a plain new one, as if a device had been plugged
// in, and the sound comes back there.
TEST(BadInputNoSoundDeviceGLTest, ALostDeviceCostsOneLineAndTheSoundComesBack)
{
    CaseTree tree("SoundDeviceLost", "assets");
    tree.write("settings.ini", smallWindowSettings());
    const fs::path folder = tree.folder();
    const fs::path output = folder / "sound-output.wav";
    fs::create_symlink("/dev/full", output);
    std::ofstream(folder / "alsoft.conf") << "[wave]\nfile = " << output.string() << "\n";
    const std::string lost = "Sound is off: the sound device was lost.";
    BadInputCase c;
    c.expectedLines = {lost, "Sound is back."};
    std::thread plugIn([&] {
        const auto givenUpBy = Clock::now() + windowDeadline + linesDeadline;
        while (Clock::now() < givenUpBy && !printedAll(folder / "game-stdout.txt", {lost})) {
            std::this_thread::sleep_for(50ms);
        }
        fs::remove(output);
    });
    const GameRun game =
        playUntilEscape(folder, c,
                        ProcessEnvironment::inherited().set("ALSOFT_DRIVERS", "wave").set(
                            "ALSOFT_CONF", (folder / "alsoft.conf").string()));
    plugIn.join();
    ASSERT_TRUE(game.windowShown) << describe(game.end);
    EXPECT_TRUE(game.escapeSent);
    EXPECT_EQ(game.end.exitStatus, std::optional<int>(0)) << describe(game.end);
    expectConsole(splitLines(game.output), {c.expectedLines, c.namedFile, c.toleratedLines}, "the game");
    EXPECT_EQ(game.errors, "") << "standard error";
    ASSERT_TRUE(fs::is_regular_file(output));
    EXPECT_GT(fs::file_size(output), 44u) << "the sound plays into the new device, past the WAV header";
}

// Without a display GLFW cannot start: the game says so and ends at once,
// without waiting for a key when no terminal is on its input.
TEST(BadInputNoDisplayGLTest, GameReportsTheMissingDisplayAndEndsWithStatusOne)
{
    CaseTree tree("NoDisplay", "assets");
    tree.write("settings.ini", smallWindowSettings());
    const fs::path folder = tree.folder();

    const auto started = Clock::now();
    ChildProcess game({{TAVERNRUSH_GAME_BINARY}, folder,
                       ProcessEnvironment::inherited().unset("DISPLAY").unset("WAYLAND_DISPLAY"),
                       folder / "game-stdout.txt", folder / "game-stderr.txt"});
    const ProcessEnd end = game.waitForEnd(5s);
    const auto elapsed = Clock::now() - started;

    EXPECT_EQ(end.exitStatus, std::optional<int>(1)) << describe(end);
    EXPECT_LT(elapsed, noDisplayDeadline) << std::chrono::duration<double>(elapsed).count() << " s";
    EXPECT_EQ(readWholeFile(folder / "game-stdout.txt"), "ERROR: Failed to init GLFW\n");
    EXPECT_EQ(readWholeFile(folder / "game-stderr.txt"), "");
}

} // namespace
} // namespace tavernrush::e2e
