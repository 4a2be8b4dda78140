// Saving an option changed in the game: only its line changes, whatever else
// the file holds, and a file that cannot be written costs one line.
#include "app/SettingsLines.h"
#include "app/SettingsSaver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace tavernrush {
namespace {

namespace fs = std::filesystem;

const std::string playersFile = "; my settings\n"
                                "[window]\n"
                                "width = 640 ; small laptop\n"
                                "my_own_key = kept\n"
                                "\n"
                                "[AUDIO]\n"
                                "; quiet at night\n"
                                "Volume=0.3\n"
                                "volume = 0.9\n"
                                "[controls]\n"
                                "jump = space\n";

TEST(SettingsLines, ChangesOnlyTheFirstLineOfTheKeyAndKeepsItsLayout)
{
    EXPECT_EQ(withSetting(playersFile, "audio", "volume", "0.5"),
              "; my settings\n[window]\nwidth = 640 ; small laptop\nmy_own_key = kept\n\n[AUDIO]\n; quiet at night\n"
              "Volume=0.5\nvolume = 0.9\n[controls]\njump = space\n");
    // The inline comment stays behind the new value.
    EXPECT_EQ(withSetting("[window]\r\nwidth = 640 ; small laptop\r\n", "window", "width", "1024"),
              "[window]\r\nwidth = 1024 ; small laptop\r\n");
    // The same value again leaves every byte as it was.
    EXPECT_EQ(withSetting(playersFile, "controls", "jump", "space"), playersFile);
}

TEST(SettingsLines, AddsAMissingKeyToItsSectionAndAMissingSectionAtTheEnd)
{
    EXPECT_EQ(withSetting(playersFile, "window", "vsync", "false"),
              "; my settings\n[window]\nwidth = 640 ; small laptop\nmy_own_key = kept\nvsync = false\n\n[AUDIO]\n"
              "; quiet at night\nVolume=0.3\nvolume = 0.9\n[controls]\njump = space\n");
    EXPECT_EQ(withSetting("[window]\nwidth = 640", "audio", "music", "0.2"),
              "[window]\nwidth = 640\n\n[audio]\nmusic = 0.2\n");
    EXPECT_EQ(withSetting("", "controls", "jump", "j"), "[controls]\njump = j\n");
    // A key of the same name in another section is not the one.
    EXPECT_EQ(withSetting("[window]\nvolume = 1\n", "audio", "volume", "0.5"),
              "[window]\nvolume = 1\n\n[audio]\nvolume = 0.5\n");
}

class SettingsSaverTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "tavernrush-save-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern;
        file = folder / "settings.ini";
        std::ofstream(file) << playersFile;
    }
    void TearDown() override
    {
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(folder);
    }
    std::string content() const
    {
        std::ifstream in(file);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    fs::path folder;
    fs::path file;
    std::ostringstream log;
};

TEST_F(SettingsSaverTest, WritesEachChangeIntoTheFileAsItIsNow)
{
    SettingsSaver saver(file, log);
    EXPECT_TRUE(saver.save("audio", "music", "0.4"));
    // Another program's edit since the start is kept.
    std::ofstream(file, std::ios::app) << "mute = m\n";
    EXPECT_TRUE(saver.save("controls", "jump", "j"));
    EXPECT_EQ(content(), withSetting(withSetting(playersFile + "mute = m\n", "audio", "music", "0.4"), "controls",
                                     "jump", "j"));
    EXPECT_FALSE(saver.unsaved());
    EXPECT_EQ(log.str(), "");
    // Through a link the link stays and its target changes.
    const fs::path link = folder / "link.ini";
    fs::create_symlink(file, link);
    SettingsSaver throughLink(link, log);
    EXPECT_TRUE(throughLink.save("window", "width", "800"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_NE(content().find("width = 800 ; small laptop"), std::string::npos);
}

TEST_F(SettingsSaverTest, AFileThatCannotBeWrittenCostsOneLineAndStaysAsItWas)
{
    fs::permissions(file, fs::perms::owner_read);
    SettingsSaver readOnly(file, log);
    EXPECT_FALSE(readOnly.save("audio", "volume", "0.5"));
    EXPECT_FALSE(readOnly.save("audio", "music", "0.5"));
    EXPECT_TRUE(readOnly.unsaved());
    EXPECT_EQ(content(), playersFile);
    EXPECT_EQ(log.str(), "ERROR: Could not save the settings to '" + file.string() +
                             "': the file is read-only. Changes hold until the game ends.\n");

    // A folder that vanished while the game ran.
    std::ostringstream vanishedLog;
    const fs::path gone = folder / "gone" / "settings.ini";
    fs::create_directories(gone.parent_path());
    SettingsSaver vanished(gone, vanishedLog);
    fs::remove_all(gone.parent_path());
    EXPECT_FALSE(vanished.save("audio", "volume", "0.5"));
    EXPECT_FALSE(vanished.save("audio", "music", "0.5"));
    EXPECT_TRUE(vanished.unsaved());
    const std::string lines = vanishedLog.str();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 1) << lines;
}

} // namespace
} // namespace tavernrush
