// How a start is chosen before any window opens: the command line, the
// data folder among the places an install or a build tree puts it, the
// settings file and the first-start copy of it, and the driver floor.

#include "app/CommandLine.h"
#include "app/CommandLineReader.h"
#include "app/DataPaths.h"
#include "app/DriverCheck.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace tavernrush {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::StartsWith;

std::variant<GameOptions, CommandLineAnswer> parse(std::vector<std::string> arguments)
{
    return parseCommandLine("tavernrush", arguments);
}

TEST(CommandLineTest, HelpAndVersionAnswerOnStandardOutputWithStatusZero)
{
    for (const char* option : {"--help", "--version"}) {
        const auto answer = std::get<CommandLineAnswer>(parse({"--data", "x", option}));
        EXPECT_EQ(answer.exitStatus, 0) << option;
        EXPECT_FALSE(answer.toStandardError) << option;
    }
    // Help wins over a mistake; a stray word beside --version is one.
    EXPECT_EQ(std::get<CommandLineAnswer>(parse({"--help", "--bogus"})).exitStatus, 0);
    EXPECT_EQ(std::get<CommandLineAnswer>(parse({"--version", "extra"})).exitStatus, 2);
    EXPECT_THAT(std::get<CommandLineAnswer>(parse({"--help"})).text, StartsWith("Usage: tavernrush "));
    EXPECT_EQ(std::get<CommandLineAnswer>(parse({"--version"})).text, std::string("Tavernrush ") + TAVERNRUSH_VERSION + "\n");
}

TEST(CommandLineTest, ValuesComeAsTheNextArgumentOrAfterAnEqualsSign)
{
    const auto options = std::get<GameOptions>(parse({"--data", "/d i r", "--settings=my.ini", "--level", "cellar"}));
    EXPECT_EQ(options.dataFolder, "/d i r");
    EXPECT_EQ(options.settingsFile, "my.ini");
    EXPECT_EQ(options.level, "cellar");
    EXPECT_EQ(std::get<GameOptions>(parse({"--level=meadow", "--level", "cellar"})).level, "cellar");
    const auto none = std::get<GameOptions>(parse({}));
    EXPECT_FALSE(none.dataFolder);
    EXPECT_FALSE(none.settingsFile);
    EXPECT_FALSE(none.level);
}

TEST(CommandLineTest, MistakesNameThemselvesThenTheUsageOnStandardErrorWithStatusTwo)
{
    const std::vector<std::pair<std::vector<std::string>, std::string>> mistakes{
        {{"--bogus"}, "unknown option '--bogus'"},
        {{"-h"}, "unknown option '-h'"},
        {{"level2"}, "unexpected argument 'level2'"},
        {{"--data"}, "option '--data' needs a value"},
        {{"--level"}, "option '--level' needs a value"},
        {{"--level", ""}, "option '--level' needs a value"},
        {{"--settings", "a", "stray"}, "unexpected argument 'stray'"},
        {{"--settings="}, "option '--settings' needs a value"},
        {{"--help=yes"}, "unknown option '--help=yes'"},
    };
    for (const auto& [arguments, line] : mistakes) {
        const auto answer = std::get<CommandLineAnswer>(parse(arguments));
        EXPECT_EQ(answer.exitStatus, 2) << line;
        EXPECT_TRUE(answer.toStandardError) << line;
        EXPECT_THAT(answer.text, StartsWith("tavernrush: " + line + "\nUsage: tavernrush "));
    }
}

// The tools' way: arguments that are no option, and flags, in any order.
TEST(CommandLineReaderTest, TakesPlainArgumentsInOrderAndCountsThemAgainstTheirNames)
{
    const std::vector<std::string> names{"<assets-dir>", "<out-dir>"};
    auto read = [&](std::vector<std::string> arguments) {
        CommandLineReader reader;
        std::vector<std::string> plain;
        std::vector<std::string> size;
        bool timings = false;
        reader.addPositionals(plain);
        reader.addValues("--size", size);
        reader.addFlag("--timings", timings);
        const CommandLineReader::Outcome outcome = reader.read(arguments);
        return outcome.mistake.empty() ? argumentCountMistake(plain, names) : outcome.mistake;
    };
    EXPECT_EQ(read({"in", "--timings", "--size", "4", "out"}), "");
    EXPECT_EQ(read({"in"}), "missing <out-dir>");
    EXPECT_EQ(read({"in", "--size", "4", "out", "more"}), "unexpected argument 'more'");
    EXPECT_EQ(read({"in", "out", "--timings=yes"}), "unknown option '--timings=yes'");
    EXPECT_EQ(read({"in", "out", "--size"}), "option '--size' needs a value");
}

class DataPathsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "tavernrush-paths-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
        previous_ = fs::current_path();
        // An empty working folder: no ./assets unless a test makes one.
        fs::create_directories(root_ / "work");
        fs::current_path(root_ / "work");
    }
    void TearDown() override
    {
        fs::current_path(previous_);
        fs::remove_all(root_);
    }

    static void makeDataFolder(const fs::path& folder, const std::string& settings = "[window]\ntitle = Installed\n")
    {
        fs::create_directories(folder / "shader");
        std::ofstream(folder / "settings.ini") << settings;
    }
    static std::string read(const fs::path& file)
    {
        std::ifstream in(file);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    fs::path root_;
    fs::path previous_;
    std::ostringstream log_;
};

TEST_F(DataPathsTest, TheWorkingFoldersAssetsWinThenTheInstalledLayoutsBesideTheProgram)
{
    const fs::path program = root_ / "prefix" / "games" / "tavernrush";
    EXPECT_THAT(findDataFolder(std::nullopt, program).problem, HasSubstr("Cannot find the game data"));

    makeDataFolder(root_ / "prefix" / "assets"); // a build tree: the program beside assets/
    makeDataFolder(root_ / "prefix" / "games" / "assets");
    EXPECT_EQ(fs::path(findDataFolder(std::nullopt, program).folder), root_ / "prefix" / "games" / "assets");
    makeDataFolder(root_ / "prefix" / "share" / "tavernrush");
    EXPECT_EQ(fs::path(findDataFolder(std::nullopt, program).folder), root_ / "prefix" / "share" / "tavernrush");
    makeDataFolder(root_ / "prefix" / "share" / "games" / "tavernrush");
    EXPECT_EQ(fs::path(findDataFolder(std::nullopt, program).folder), root_ / "prefix" / "share" / "games" / "tavernrush");

    fs::create_directory("assets");
    EXPECT_EQ(findDataFolder(std::nullopt, program).folder, "assets") << "today's layout keeps its relative names";

    const DataFolderSearch chosen = findDataFolder((root_ / "prefix" / "assets").string(), program);
    EXPECT_EQ(fs::path(chosen.folder), root_ / "prefix" / "assets");
    EXPECT_EQ(findDataFolder((root_ / "work").string(), program).problem,
              "No game data in '" + (root_ / "work").string() + "': it has no shader folder");
}

TEST_F(DataPathsTest, UserSettingsFollowTheXdgRules)
{
    EXPECT_EQ(userSettingsPath("/x/config", "/home/p"), fs::path("/x/config/tavernrush/settings.ini"));
    EXPECT_EQ(userSettingsPath(nullptr, "/home/p"), fs::path("/home/p/.config/tavernrush/settings.ini"));
    EXPECT_EQ(userSettingsPath("relative", "/home/p"), fs::path("/home/p/.config/tavernrush/settings.ini"));
    EXPECT_EQ(userSettingsPath("", "/home/p"), fs::path("/home/p/.config/tavernrush/settings.ini"));
    EXPECT_FALSE(userSettingsPath(nullptr, nullptr));
    EXPECT_FALSE(userSettingsPath("relative", "also relative"));
}

TEST_F(DataPathsTest, SettingsComeFromTheOptionThenThePlayersFileThenTheDataFolder)
{
    const fs::path data = root_ / "data";
    makeDataFolder(data);
    const fs::path user = root_ / "config" / "tavernrush" / "settings.ini";

    EXPECT_EQ(chooseSettingsFile("mine.ini", data.string(), user, log_), "mine.ini");
    EXPECT_FALSE(fs::exists(user)) << "--settings must not make a copy";
    EXPECT_EQ(chooseSettingsFile(std::nullopt, "assets", user, log_), "assets/settings.ini");
    EXPECT_EQ(chooseSettingsFile(std::nullopt, data.string(), std::nullopt, log_), (data / "settings.ini").string());

    // The first start copies the installed file; later starts read the
    // player's edits, and a newer installed file never replaces them.
    EXPECT_EQ(chooseSettingsFile(std::nullopt, data.string(), user, log_), user.string());
    EXPECT_EQ(read(user), "[window]\ntitle = Installed\n");
    std::ofstream(user) << "[window]\ntitle = Mine\n";
    makeDataFolder(data, "[window]\ntitle = Newer\n");
    EXPECT_EQ(chooseSettingsFile(std::nullopt, data.string(), user, log_), user.string());
    EXPECT_EQ(read(user), "[window]\ntitle = Mine\n");
    EXPECT_EQ(log_.str(), "");
    std::vector<std::string> leftovers;
    for (const auto& entry : fs::directory_iterator(user.parent_path())) {
        leftovers.push_back(entry.path().filename().string());
    }
    EXPECT_EQ(leftovers, std::vector<std::string>{"settings.ini"}) << "no temporary file stays behind";
}

TEST_F(DataPathsTest, AnUnwritableConfigFolderReadsTheInstalledFileAfterOneLine)
{
    const fs::path data = root_ / "data";
    makeDataFolder(data);
    // Even root cannot make a folder below a plain file.
    std::ofstream(root_ / "plain file") << "";
    const fs::path user = root_ / "plain file" / "tavernrush" / "settings.ini";

    EXPECT_EQ(chooseSettingsFile(std::nullopt, data.string(), user, log_), (data / "settings.ini").string());
    const std::string lines = log_.str();
    EXPECT_THAT(lines, StartsWith("Cannot keep your settings in '" + user.string() + "' ("));
    EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 1);
}

TEST(DriverCheckTest, NamesTheFloorAndWhatTheDriverOffers)
{
    EXPECT_EQ(driverProblem({4, 1}, "llvmpipe (LLVM 15.0.6, 256 bits)"),
              "Tavernrush needs OpenGL 4.2; this driver offers 4.1 (llvmpipe (LLVM 15.0.6, 256 bits))");
    EXPECT_EQ(driverProblem({3, 3}, ""), "Tavernrush needs OpenGL 4.2; this driver offers 3.3 (unknown renderer)");
    EXPECT_FALSE(driverProblem({4, 2}, "x"));
    EXPECT_FALSE(driverProblem({4, 6}, "x"));
    EXPECT_FALSE(driverProblem({5, 0}, "x"));
    EXPECT_FALSE(debugOutputOffered({4, 2}, false));
    EXPECT_TRUE(debugOutputOffered({4, 2}, true));
    EXPECT_TRUE(debugOutputOffered({4, 3}, false));
}

} // namespace
} // namespace tavernrush
