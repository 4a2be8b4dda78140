// Installs this build into a temporary prefix, checks the installed layout,
// and starts the installed game under the test display from an unrelated
// folder, the way a desktop would: a player's first start, then a start after
// editing the settings copy, each ended with Escape.
#include "GameWindows.h"
#include "ChildProcess.h"
#include "ProcessEnvironment.h"
#include "TemporaryFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <stb_image.h>

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <regex>
#include <string>
#include <thread>

namespace tavernrush::e2e {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::Not;

constexpr auto windowTimeout = std::chrono::seconds(20);
// After its window opens the game still loads models, pictures and shaders;
// every failure there is a console line, so the output is read after that.
constexpr auto startUpTime = std::chrono::seconds(3);
constexpr auto quitTimeout = std::chrono::seconds(15);

class InstallGLTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ChildProcess install({{TAVERNRUSH_CMAKE_COMMAND, "--install", TAVERNRUSH_BUILD_DIR, "--prefix", prefix().string()},
                              {}, ProcessEnvironment::inherited(), folder_.path() / "install.txt", {}});
        const ProcessEnd end = install.waitForEnd(std::chrono::seconds(60));
        ASSERT_EQ(end.exitStatus, std::optional<int>(0)) << readWholeFile(folder_.path() / "install.txt");
    }

    fs::path prefix() const { return folder_.path() / "install prefix"; }
    fs::path game() const { return prefix() / TAVERNRUSH_INSTALL_GAMESDIR / "tavernrush"; }
    fs::path installedAssets() const { return prefix() / TAVERNRUSH_INSTALL_DATADIR / "games" / "tavernrush"; }
    fs::path configHome() const { return folder_.path() / "config home"; }
    // Where the player happens to be when starting the game: no assets here.
    fs::path elsewhere() const { return folder_.path() / "somewhere else"; }
    fs::path userSettings() const { return configHome() / "tavernrush" / "settings.ini"; }

    // The game's window as the X server shows it.
    struct ShownWindow {
        std::string title;
        int width = 0;
        int height = 0;
    };

    struct Start {
        std::optional<ShownWindow> window;
        bool escapeSent = false;
        ProcessEnd end;
        std::string output;
    };

    // Starts the installed game by its path from an unrelated folder, waits
    // for its window and its start-up, then quits it with Escape.
    Start startInstalledGame(const std::string& label)
    {
        fs::create_directories(elsewhere());
        const ProcessEnvironment environment = ProcessEnvironment::inherited()
                                                   .set("HOME", (folder_.path() / "home").string())
                                                   .set("XDG_CONFIG_HOME", configHome().string())
                                                   .unset("XDG_DATA_HOME");
        const fs::path outputFile = folder_.path() / (label + ".txt");
        ChildProcess running({{game().string()}, elsewhere(), environment, outputFile, {}});
        Start start;
        GameWindows windows;
        EXPECT_TRUE(windows.connected()) << "no X display; run under xvfb-run";
        std::optional<unsigned long> shown;
        const auto deadline = std::chrono::steady_clock::now() + windowTimeout;
        while (windows.connected() && running.running() && std::chrono::steady_clock::now() < deadline) {
            shown = windows.visibleWindowOf(running.id());
            if (shown) {
                const std::optional<WindowSize> size = windows.size(*shown);
                start.window = ShownWindow{windows.title(*shown).value_or(""), size ? size->width : 0,
                                           size ? size->height : 0};
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        if (shown) {
            running.waitFor(startUpTime);
            if (running.running()) {
                start.escapeSent = windows.sendEscape(*shown);
            }
        }
        start.end = running.waitForEnd(start.escapeSent ? quitTimeout : std::chrono::seconds(0));
        start.output = readWholeFile(outputFile);
        return start;
    }

    static void expectCleanStart(const Start& start)
    {
        EXPECT_TRUE(start.window.has_value()) << "no game window appeared; output:\n" << start.output;
        EXPECT_TRUE(start.escapeSent) << "the game ended by itself; output:\n" << start.output;
        EXPECT_EQ(start.end.exitStatus, std::optional<int>(0)) << "output:\n" << start.output;
        EXPECT_THAT(start.output, Not(HasSubstr("ERROR")));
        EXPECT_THAT(start.output, Not(HasSubstr("failed to load")));
        EXPECT_THAT(start.output, Not(HasSubstr("Failed to")));
    }

private:
    TemporaryFolder folder_{"install"};
};

TEST_F(InstallGLTest, InstallsTheGameDataDesktopEntryMetadataManualAndIcon)
{
    ASSERT_TRUE(fs::is_regular_file(game())) << game();
    EXPECT_EQ(access(game().c_str(), X_OK), 0) << game() << " is not executable";
    EXPECT_THAT(readWholeFile(game()), ::testing::StartsWith("\x7f" "ELF")) << "the game itself, not a launcher";
    EXPECT_FALSE(fs::exists(prefix() / TAVERNRUSH_INSTALL_BINDIR / "tavernrush"));
    EXPECT_FALSE(fs::exists(prefix() / TAVERNRUSH_INSTALL_LIBEXECDIR / "tavernrush"));
    for (const char* file : {"metainfo/io.github.tavernrush.Tavernrush.metainfo.xml", "man/man6/tavernrush.6.gz",
                             "doc/tavernrush/copyright"}) {
        EXPECT_GT(fs::file_size(prefix() / TAVERNRUSH_INSTALL_DATADIR / file), 0u) << file;
    }

    // Every file the build laid out for the game, byte for byte the same size.
    const fs::path builtAssets = fs::path(TAVERNRUSH_BUILD_DIR) / "assets";
    int files = 0;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(builtAssets)) {
        const fs::path relative = fs::relative(entry.path(), builtAssets);
        const fs::path installed = installedAssets() / relative;
        if (relative.filename().string().starts_with(".")) {
            EXPECT_FALSE(fs::exists(installed)) << "build bookkeeping installed: " << relative;
        } else if (entry.is_regular_file()) {
            ++files;
            ASSERT_TRUE(fs::is_regular_file(installed)) << "missing " << relative;
            EXPECT_EQ(fs::file_size(installed), entry.file_size()) << relative;
        }
    }
    // Settings, 20 shader sources, 8 models and a set of pictures and frames.
    EXPECT_GT(files, 60);
    for (const char* required : {"settings.ini", "shader/phongPhong.vert", "meshes/sprinto.obj", "textures/coin.dds",
                                 "textures/skybox", "frames/Frame22.jpg"}) {
        EXPECT_TRUE(fs::exists(installedAssets() / required)) << required;
    }

    const std::string desktop =
        readWholeFile(prefix() / TAVERNRUSH_INSTALL_DATADIR / "applications" / "tavernrush.desktop");
    EXPECT_THAT(desktop, ::testing::StartsWith("[Desktop Entry]\n"));
    for (const char* line : {"Type=Application\n", "Name=Tavernrush\n", "Exec=tavernrush\n", "Icon=tavernrush\n",
                             "Terminal=false\n", "Categories=Game;ActionGame;\n"}) {
        EXPECT_THAT(desktop, HasSubstr(line));
    }

    const fs::path icon = prefix() / TAVERNRUSH_INSTALL_DATADIR / "icons" / "hicolor" / "256x256" / "apps" / "tavernrush.png";
    int width = 0;
    int height = 0;
    int channels = 0;
    ASSERT_EQ(stbi_info(icon.c_str(), &width, &height, &channels), 1) << icon << " is not a picture";
    EXPECT_THAT(readWholeFile(icon), ::testing::StartsWith("\x89PNG"));
    EXPECT_EQ(width, 256);
    EXPECT_EQ(height, 256);
    EXPECT_EQ(channels, 4) << "the icon's round coin needs a transparent surround";
}

TEST_F(InstallGLTest, TheInstalledGameFindsItsDataAndKeepsThePlayersEditableSettings)
{
    const Start first = startInstalledGame("first start");
    expectCleanStart(first);
    ASSERT_TRUE(first.window);
    EXPECT_EQ(first.window->title, "Tavernrush");
    ASSERT_TRUE(fs::is_regular_file(fs::symlink_status(userSettings())));
    EXPECT_EQ(readWholeFile(userSettings()), readWholeFile(installedAssets() / "settings.ini"));

    // The player edits the copy; the next start must show it. A small window
    // also keeps the software renderer quick.
    std::string edited = readWholeFile(userSettings());
    edited = std::regex_replace(edited, std::regex("\ntitle *=[^\n]*"), "\ntitle = Tavernrush edited by the player");
    edited = std::regex_replace(edited, std::regex("\nwidth *=[^\n]*"), "\nwidth = 320");
    edited = std::regex_replace(edited, std::regex("\nheight *=[^\n]*"), "\nheight = 240");
    writeWholeFile(userSettings(), edited);

    const Start second = startInstalledGame("second start");
    expectCleanStart(second);
    ASSERT_TRUE(second.window);
    EXPECT_EQ(second.window->title, "Tavernrush edited by the player");
    EXPECT_EQ(second.window->width, 320);
    EXPECT_EQ(second.window->height, 240);
    EXPECT_EQ(readWholeFile(installedAssets() / "settings.ini").find("edited"), std::string::npos)
        << "the installed defaults must stay as they were";
}

} // namespace
} // namespace tavernrush::e2e
