// The built game started as a player or a desktop would, before any play:
// --help, --version and mistakes on the command line, and a driver below
// OpenGL 4.2 refused with one line instead of a black window.
#include "ChildProcess.h"
#include "GameWindows.h"
#include "ProcessEnvironment.h"
#include "TemporaryFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

namespace tavernrush::e2e {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using ::testing::HasSubstr;
using ::testing::MatchesRegex;
using ::testing::StartsWith;

struct Answer {
    ProcessEnd end;
    std::string output;
    std::string errors;
    std::chrono::milliseconds took{0};
};

class StartupGLTest : public ::testing::Test {
protected:
    // Runs the game in the build folder (its ./assets) with standard input
    // not a terminal, so no start-up failure waits for a key.
    Answer run(const std::vector<std::string>& arguments, const ProcessEnvironment& environment,
               std::chrono::seconds timeout)
    {
        std::vector<std::string> command{TAVERNRUSH_GAME_BINARY};
        command.insert(command.end(), arguments.begin(), arguments.end());
        const auto started = std::chrono::steady_clock::now();
        ChildProcess game({command, TAVERNRUSH_BUILD_DIR, environment, folder_.path() / "out.txt",
                           folder_.path() / "err.txt"});
        Answer answer;
        answer.end = game.waitForEnd(timeout);
        answer.took = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started);
        answer.output = readWholeFile(folder_.path() / "out.txt");
        answer.errors = readWholeFile(folder_.path() / "err.txt");
        return answer;
    }

    TemporaryFolder folder_{"startup"};
};

TEST_F(StartupGLTest, HelpVersionAndMistakesAnswerWithoutAWindow)
{
    const ProcessEnvironment environment = ProcessEnvironment::inherited();
    const Answer help = run({"--help"}, environment, 10s);
    EXPECT_EQ(help.end.exitStatus, std::optional<int>(0));
    EXPECT_THAT(help.output, StartsWith("Usage: tavernrush [--data DIR] [--settings FILE]\n"));
    EXPECT_THAT(help.output, HasSubstr("--version"));
    EXPECT_EQ(help.errors, "");

    const Answer version = run({"--version"}, environment, 10s);
    EXPECT_EQ(version.end.exitStatus, std::optional<int>(0));
    EXPECT_THAT(version.output, MatchesRegex("Tavernrush [0-9]+\\.[0-9]+\\.[0-9]+\n"));
    EXPECT_EQ(version.errors, "");

    for (const std::vector<std::string>& mistake :
         std::vector<std::vector<std::string>>{{"--fullscreen"}, {"--settings"}, {"extra"}}) {
        const Answer answer = run(mistake, environment, 10s);
        EXPECT_EQ(answer.end.exitStatus, std::optional<int>(2)) << mistake.front();
        EXPECT_EQ(answer.output, "") << mistake.front();
        EXPECT_THAT(answer.errors, StartsWith("tavernrush: ")) << mistake.front();
        EXPECT_THAT(answer.errors, HasSubstr("\nUsage: tavernrush ")) << mistake.front();
    }
}

TEST_F(StartupGLTest, ADataFolderWithoutShadersEndsTheStartWithOneLine)
{
    const Answer answer = run({"--data", folder_.path().string()}, ProcessEnvironment::inherited(), 10s);
    EXPECT_EQ(answer.end.exitStatus, std::optional<int>(1));
    EXPECT_EQ(answer.output, "ERROR: No game data in '" + folder_.path().string() + "': it has no shader folder\n");
}

TEST_F(StartupGLTest, ADriverBelowOpenGl42IsRefusedWithOneLineBeforeLoading)
{
    const Answer answer =
        run({}, ProcessEnvironment::inherited().set("MESA_GL_VERSION_OVERRIDE", "4.1"), 20s);
    EXPECT_EQ(answer.end.exitStatus, std::optional<int>(1)) << describe(answer.end) << "\n" << answer.output;
    EXPECT_THAT(answer.output, MatchesRegex("ERROR: Tavernrush needs OpenGL 4\\.2; this driver offers 4\\.1 \\(.+\\)\n"));
    // Opening the X connection and the context is most of it, about half a
    // second; the bound leaves room for two cores busy with other tests.
    EXPECT_LT(answer.took, 3000ms);
}

TEST_F(StartupGLTest, ADriverOfferingOpenGl43PlaysAndQuitsOnEscape)
{
    GameWindows windows;
    ASSERT_TRUE(windows.connected()) << "no X display; run under xvfb-run";
    ChildProcess game({{TAVERNRUSH_GAME_BINARY}, TAVERNRUSH_BUILD_DIR,
                       ProcessEnvironment::inherited()
                           .set("MESA_GL_VERSION_OVERRIDE", "4.3")
                           .set("XDG_STATE_HOME", (folder_.path() / "state").string()),
                       folder_.path() / "out.txt", {}});
    std::optional<unsigned long> shown;
    const auto deadline = std::chrono::steady_clock::now() + 60s;
    while (!shown && game.running() && std::chrono::steady_clock::now() < deadline) {
        shown = windows.visibleWindowOf(game.id());
        std::this_thread::sleep_for(50ms);
    }
    ASSERT_TRUE(shown) << readWholeFile(folder_.path() / "out.txt");
    game.waitFor(2s);
    ASSERT_TRUE(game.running()) << readWholeFile(folder_.path() / "out.txt");
    ASSERT_TRUE(windows.sendEscape(*shown));
    EXPECT_EQ(game.waitForEnd(15s).exitStatus, std::optional<int>(0));
    const std::string output = readWholeFile(folder_.path() / "out.txt");
    EXPECT_THAT(output, ::testing::Not(HasSubstr("ERROR")));
    EXPECT_THAT(output, ::testing::Not(HasSubstr("OpenGL Error")));
}

} // namespace
} // namespace tavernrush::e2e
