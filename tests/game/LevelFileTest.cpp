// Reading a level's file: every shipped level reads, and a level file with
// a mistake is refused with a line that names the file and the key.
#include "game/LevelFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace tavernrush {
namespace {

std::string shippedText(const std::string& name)
{
    std::ifstream file(std::filesystem::path(TAVERNRUSH_LEVEL_DIR) / (name + ".ini"));
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::string refusal(const std::string& text)
{
    const LevelParse parse = parseLevel(text, "test", "test.ini");
    const auto* error = std::get_if<LevelFileError>(&parse);
    return error ? error->message : "(read)";
}

TEST(LevelFile, EveryShippedLevelReadsAndTheDefaultIsAmongThem)
{
    const std::vector<std::string> names = levelNames(TAVERNRUSH_LEVEL_DIR);
    EXPECT_NE(std::find(names.begin(), names.end(), defaultLevelName), names.end());
    ASSERT_GE(names.size(), 2u);
    for (const std::string& name : names) {
        const LevelParse parse = loadLevel(TAVERNRUSH_LEVEL_DIR, name);
        ASSERT_TRUE(std::holds_alternative<LevelDescription>(parse)) << std::get<LevelFileError>(parse).message;
        const LevelDescription& level = std::get<LevelDescription>(parse);
        EXPECT_EQ(level.name, name);
        EXPECT_FALSE(level.groundPaths.empty()) << name;
        // The player must be able to win: enough coins on the field.
        EXPECT_GE(level.coins.count, level.coinsToWin) << name;
    }
}

TEST(LevelFile, AMistakeIsRefusedWithTheFileAndTheKey)
{
    const std::string meadow = shippedText(defaultLevelName);
    ASSERT_EQ(refusal(meadow), "(read)");
    const auto replaced = [&meadow](const std::string& pattern, const std::string& by) {
        return std::regex_replace(meadow, std::regex(pattern), by, std::regex_constants::format_first_only);
    };
    EXPECT_EQ(refusal(replaced("count = 40\n", "")), "test.ini: [coins] count is missing");
    EXPECT_EQ(refusal(replaced("start = 0 0 20", "start = 0 0")), "test.ini: [player] start = \"0 0\" is not 3 numbers");
    EXPECT_EQ(refusal(replaced("start = 0 0 20", "start = 0 nan 20")),
              "test.ini: [player] start = \"0 nan 20\" is not 3 numbers");
    EXPECT_EQ(refusal(replaced("count = 40", "count = 4e9")), "test.ini: [coins] count = \"4e9\" is not a whole number");
    EXPECT_EQ(refusal(replaced("count = 40", "count = 99999")), "test.ini: [coins] count = 99999 is outside 0 to 1000");
    EXPECT_EQ(refusal(replaced("reach = 3", "reach = -3")), "test.ini: [toilet_hut] reach = -3 is outside 0 to 100000");
    EXPECT_EQ(refusal(replaced("\\[rules\\]", "[rules]\ncoins_to_win = 3")),
              "test.ini: [rules] coins_to_win is given twice");
    EXPECT_EQ(refusal(replaced("path1 = 1.6 :", "path1 = 1.6 ")),
              "test.ini: [ground] path1 = \"1.6  0 60, 1 40, -1 28, 0 20, 2 12\" is not \"half-width : x z, x z, ...\"");
    EXPECT_EQ(refusal("[rules\ncoins_to_win = 3\n"), "test.ini: line 1 is not \"key = value\" or [section]");
    EXPECT_EQ(refusal(std::string("[rules]\0", 8)), "test.ini: not a text file");
}

TEST(LevelFile, OnlyAPlainNameOfARegularFileIsRead)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "tavernrush-level-file-test";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / "hollow.ini");
    const auto message = [&folder](const std::string& name) {
        const LevelParse parse = loadLevel(folder, name);
        return std::get<LevelFileError>(parse).message;
    };
    EXPECT_EQ(message("../meadow"), "\"../meadow\" is not a level name (letters a-z, digits, '-' and '_')");
    EXPECT_EQ(message("hollow"), (folder / "hollow.ini").string() + ": no such level file");
    EXPECT_EQ(message("absent"), (folder / "absent.ini").string() + ": no such level file");
    EXPECT_TRUE(levelNames(folder / "missing").empty());
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace tavernrush
