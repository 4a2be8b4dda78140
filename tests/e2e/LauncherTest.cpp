// The installed launcher's rules, checked against a stand-in game that only
// writes down the folder it was started in: where the player's settings copy
// goes, what the run folder holds, and what happens when the per-user
// folders cannot be written.
#include "ChildProcess.h"
#include "ProcessEnvironment.h"
#include "TemporaryFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace tavernrush::e2e {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

constexpr const char* installedSettings = "[window]\ntitle = Installed\n";

struct LaunchResult {
    int status = -1;
    std::string output;
    // The stand-in game's working folder; empty when it never ran.
    fs::path gameFolder;
};

class LauncherTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directories(launcher().parent_path());
        fs::copy_file(TAVERNRUSH_LAUNCHER_SCRIPT, launcher());
        writeWholeFile(game(), "#!/bin/sh\npwd -P > \"$TAVERNRUSH_STUB_REPORT\"\n");
        for (const fs::path& program : {launcher(), game()}) {
            fs::permissions(program, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                         fs::perms::others_read | fs::perms::others_exec);
        }
        writeWholeFile(installedAssets() / "settings.ini", installedSettings);
        writeWholeFile(installedAssets() / "shader" / "phongPhong.vert", "#version 400 core\n");
        writeWholeFile(installedAssets() / "textures" / "coin0.jpg", "picture");
        writeWholeFile(installedAssets() / "frames" / "Frame01.jpg", "picture");
        fs::create_directories(home());
    }

    fs::path prefix() const { return folder_.path() / "install prefix"; }
    fs::path home() const { return folder_.path() / "home folder"; }
    fs::path launcher() const { return prefix() / TAVERNRUSH_INSTALL_BINDIR / "tavernrush"; }
    fs::path game() const { return prefix() / TAVERNRUSH_INSTALL_LIBEXECDIR / "tavernrush" / "tavernrush"; }
    fs::path dataFolder() const { return prefix() / TAVERNRUSH_INSTALL_DATADIR / "tavernrush"; }
    fs::path installedAssets() const { return dataFolder() / "assets"; }
    fs::path scratch(const std::string& name) const { return folder_.path() / name; }

    // HOME inside the test folder and no XDG variables: a player's first start.
    ProcessEnvironment environment() const
    {
        return ProcessEnvironment::inherited()
            .set("HOME", home().string())
            .unset("XDG_CONFIG_HOME")
            .unset("XDG_CACHE_HOME")
            .set("TAVERNRUSH_STUB_REPORT", report().string());
    }

    LaunchResult launch(const ProcessEnvironment& environment, std::vector<std::string> command = {})
    {
        if (command.empty()) {
            command.push_back(launcher().string());
        }
        fs::remove(report());
        ChildProcess process({std::move(command), {}, environment, scratch("output.txt"), {}});
        LaunchResult result;
        const ProcessEnd end = process.waitForEnd(std::chrono::seconds(20));
        result.status = end.exitStatus ? *end.exitStatus : end.signal ? 128 + *end.signal : -1;
        result.output = readWholeFile(scratch("output.txt"));
        if (fs::exists(report())) {
            std::string folder = readWholeFile(report());
            while (!folder.empty() && folder.back() == '\n') {
                folder.pop_back();
            }
            result.gameFolder = folder;
        }
        return result;
    }

    // The run folder as the launcher must leave it: every installed entry
    // linked, settings.ini linked to the player's copy, nothing else.
    void expectRunFolderFor(const fs::path& runFolder, const fs::path& userSettings, const fs::path& assets)
    {
        const fs::path runAssets = runFolder / "assets";
        std::set<std::string> names;
        for (const fs::directory_entry& entry : fs::directory_iterator(runAssets)) {
            names.insert(entry.path().filename().string());
            EXPECT_TRUE(entry.is_symlink()) << entry.path() << " should be a link";
        }
        EXPECT_EQ(names, (std::set<std::string>{"frames", "settings.ini", "shader", "textures"}));
        for (const char* name : {"frames", "shader", "textures"}) {
            EXPECT_EQ(fs::canonical(runAssets / name), fs::canonical(assets / name)) << name;
        }
        ASSERT_TRUE(fs::exists(runAssets / "settings.ini"));
        EXPECT_EQ(fs::canonical(runAssets / "settings.ini"), fs::canonical(userSettings));
    }

    fs::path report() const { return folder_.path() / "report.txt"; }

private:
    TemporaryFolder folder_{"launcher"};
};

TEST_F(LauncherTest, FirstStartCopiesTheSettingsAndRunsTheGameInTheRunFolder)
{
    const fs::path config = scratch("config home");
    const fs::path cache = scratch("cache home");
    const LaunchResult result = launch(environment()
                                           .set("XDG_CONFIG_HOME", config.string())
                                           .set("XDG_CACHE_HOME", cache.string()));

    EXPECT_EQ(result.status, 0) << result.output;
    EXPECT_EQ(result.output, "");
    const fs::path userSettings = config / "tavernrush" / "settings.ini";
    ASSERT_TRUE(fs::is_regular_file(fs::symlink_status(userSettings)));
    EXPECT_EQ(readWholeFile(userSettings), installedSettings);
    EXPECT_NE(fs::status(userSettings).permissions() & fs::perms::owner_write, fs::perms::none)
        << "the player must be able to edit the copy";
    ASSERT_FALSE(result.gameFolder.empty()) << "the game never started";
    EXPECT_EQ(result.gameFolder, fs::canonical(cache / "tavernrush" / "run"));
    expectRunFolderFor(cache / "tavernrush" / "run", userSettings, installedAssets());
    EXPECT_FALSE(fs::exists(home() / ".config")) << "XDG_CONFIG_HOME was given and must be used";
}

TEST_F(LauncherTest, ThePlayersCopyIsNeverReplaced)
{
    const fs::path userSettings = home() / ".config" / "tavernrush" / "settings.ini";
    writeWholeFile(userSettings, "[window]\ntitle = Mine\n");

    for (int start = 1; start <= 2; ++start) {
        SCOPED_TRACE("start " + std::to_string(start));
        const LaunchResult result = launch(environment());
        EXPECT_EQ(result.status, 0) << result.output;
        EXPECT_EQ(readWholeFile(userSettings), "[window]\ntitle = Mine\n");
        EXPECT_EQ(readWholeFile(result.gameFolder / "assets" / "settings.ini"), "[window]\ntitle = Mine\n");
    }
    // An update of the installed defaults leaves the player's copy alone too.
    writeWholeFile(installedAssets() / "settings.ini", "[window]\ntitle = Newer\n");
    launch(environment());
    EXPECT_EQ(readWholeFile(userSettings), "[window]\ntitle = Mine\n");
}

TEST_F(LauncherTest, XdgFoldersDefaultToHomeAndRelativeOnesAreIgnored)
{
    const fs::path userSettings = home() / ".config" / "tavernrush" / "settings.ini";
    const fs::path runFolder = home() / ".cache" / "tavernrush" / "run";
    {
        SCOPED_TRACE("no XDG variables");
        const LaunchResult result = launch(environment());
        EXPECT_EQ(result.status, 0) << result.output;
        EXPECT_EQ(readWholeFile(userSettings), installedSettings);
        EXPECT_EQ(result.gameFolder, fs::canonical(runFolder));
    }
    {
        // The XDG rules: a relative path in these variables is invalid.
        SCOPED_TRACE("relative XDG variables");
        const LaunchResult result =
            launch(environment().set("XDG_CONFIG_HOME", "relative config").set("XDG_CACHE_HOME", "relative cache"));
        EXPECT_EQ(result.status, 0) << result.output;
        EXPECT_EQ(result.gameFolder, fs::canonical(runFolder));
        EXPECT_FALSE(fs::exists("relative config"));
        EXPECT_FALSE(fs::exists("relative cache"));
    }
}

TEST_F(LauncherTest, EveryStartRepairsTheRunFolder)
{
    const fs::path userSettings = home() / ".config" / "tavernrush" / "settings.ini";
    const fs::path runAssets = home() / ".cache" / "tavernrush" / "run" / "assets";
    ASSERT_EQ(launch(environment()).status, 0);

    // What an older version, a crash or a curious player may leave behind.
    fs::remove(runAssets / "shader");
    fs::remove(runAssets / "textures");
    writeWholeFile(runAssets / "textures" / "stray.jpg", "not a link");
    fs::remove(runAssets / "frames");
    fs::create_directory_symlink(scratch("gone"), runAssets / "frames");
    fs::create_symlink(scratch("gone") / "old.obj", runAssets / "old.obj");
    writeWholeFile(runAssets / ".leftover", "x");
    fs::remove(runAssets / "settings.ini");
    writeWholeFile(runAssets / "settings.ini", "[window]\ntitle = Stale\n");

    const LaunchResult result = launch(environment());
    EXPECT_EQ(result.status, 0) << result.output;
    expectRunFolderFor(runAssets.parent_path(), userSettings, installedAssets());
    EXPECT_FALSE(fs::exists(fs::symlink_status(runAssets / ".leftover")));
    EXPECT_EQ(readWholeFile(userSettings), installedSettings);
}

TEST_F(LauncherTest, AMovedInstallationIsPickedUp)
{
    ASSERT_EQ(launch(environment()).status, 0);
    const fs::path moved = scratch("moved prefix");
    fs::rename(prefix(), moved);

    const LaunchResult result = launch(environment(), {(moved / TAVERNRUSH_INSTALL_BINDIR / "tavernrush").string()});
    EXPECT_EQ(result.status, 0) << result.output;
    expectRunFolderFor(home() / ".cache" / "tavernrush" / "run", home() / ".config" / "tavernrush" / "settings.ini",
                       moved / TAVERNRUSH_INSTALL_DATADIR / "tavernrush" / "assets");
}

TEST_F(LauncherTest, FindsItsInstallationThroughALinkAndThroughThePath)
{
    const fs::path linkFolder = scratch("link folder");
    fs::create_directories(linkFolder);
    fs::create_symlink(launcher(), linkFolder / "tavernrush");
    const fs::path runFolder = home() / ".cache" / "tavernrush" / "run";
    {
        SCOPED_TRACE("through a link");
        const LaunchResult result = launch(environment(), {(linkFolder / "tavernrush").string()});
        EXPECT_EQ(result.status, 0) << result.output;
        EXPECT_EQ(result.gameFolder, fs::canonical(runFolder));
        EXPECT_EQ(fs::canonical(runFolder / "assets" / "shader"), fs::canonical(installedAssets() / "shader"));
    }
    {
        // As a desktop entry's Exec=tavernrush starts it.
        SCOPED_TRACE("through PATH");
        const LaunchResult result = launch(environment().set("PATH", linkFolder.string() + ":/usr/bin:/bin"),
                                           {"/bin/sh", "-c", "tavernrush"});
        EXPECT_EQ(result.status, 0) << result.output;
        EXPECT_EQ(result.gameFolder, fs::canonical(runFolder));
    }
}

TEST_F(LauncherTest, UnwritableUserFoldersFallBackToTheInstalledSettings)
{
    // Even root cannot make a folder below a plain file.
    writeWholeFile(scratch("plain file"), "");
    const fs::path blocked = scratch("plain file") / "below";
    struct Case {
        const char* name;
        ProcessEnvironment environment;
    };
    const std::vector<Case> cases{
        {"home below a file", environment().set("HOME", blocked.string())},
        {"no home at all", environment().unset("HOME")},
        {"only the cache folder blocked", environment().set("XDG_CACHE_HOME", blocked.string())},
    };
    for (const Case& current : cases) {
        SCOPED_TRACE(current.name);
        const LaunchResult result = launch(current.environment);
        EXPECT_EQ(result.status, 0) << result.output;
        EXPECT_THAT(result.output, HasSubstr("starting with the installed settings"));
        EXPECT_EQ(result.gameFolder, fs::canonical(dataFolder()));
    }
}

TEST_F(LauncherTest, AMissingGameOrDataFolderIsReported)
{
    {
        SCOPED_TRACE("no data folder");
        fs::rename(installedAssets(), scratch("assets aside"));
        const LaunchResult result = launch(environment());
        EXPECT_EQ(result.status, 1);
        EXPECT_THAT(result.output, HasSubstr("the game data is missing"));
        fs::rename(scratch("assets aside"), installedAssets());
    }
    {
        SCOPED_TRACE("no game");
        fs::remove(game());
        const LaunchResult result = launch(environment());
        EXPECT_EQ(result.status, 1);
        EXPECT_THAT(result.output, HasSubstr("the game is missing"));
    }
}

} // namespace
} // namespace tavernrush::e2e
