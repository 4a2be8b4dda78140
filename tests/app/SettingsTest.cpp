// Reading assets/settings.ini: the INI edge cases players actually write, and
// the fallbacks that keep a bad value from reaching the window or the lights.

#include "app/Settings.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace tavernrush {
namespace {

using ::testing::AllOf;
using ::testing::HasSubstr;

int countLines(const std::string& text) { return static_cast<int>(std::count(text.begin(), text.end(), '\n')); }

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "tavernrush-settings-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        directory = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(directory); }

    // Writes `content` as the settings file and reads it back.
    Settings load(const std::string& content)
    {
        const std::string path = (directory / "settings.ini").string();
        std::ofstream(path) << content;
        return loadSettings(path, log);
    }

    std::filesystem::path directory;
    std::ostringstream log;
};

TEST_F(SettingsTest, MissingFileReportsOnceAndGivesEveryDefault)
{
    const std::string path = (directory / "absent.ini").string();
    const Settings settings = loadSettings(path, log);

    EXPECT_EQ(log.str(), "ERROR: Failed to load '" + path + "'. Using default values instead.\n");
    EXPECT_EQ(settings.width, 800);
    EXPECT_EQ(settings.height, 800);
    EXPECT_EQ(settings.refreshRate, 60);
    EXPECT_FALSE(settings.fullscreen);
    EXPECT_EQ(settings.title, "Tavernrush");
    EXPECT_EQ(settings.brightness, 1.0f);
    EXPECT_EQ(settings.audio.volume, 0.8f);
    EXPECT_EQ(settings.audio.music, 0.5f);
    EXPECT_EQ(settings.audio.effects, 1.0f);
}

TEST_F(SettingsTest, EmptyFileIsNoErrorAndGivesDefaults)
{
    const Settings settings = load("");
    EXPECT_EQ(log.str(), "");
    EXPECT_EQ(settings.width, 800);
    EXPECT_EQ(settings.title, "Tavernrush");
}

TEST_F(SettingsTest, ReadsEveryKeyOfTheWindowSection)
{
    const Settings settings = load("[window]\n"
                                   "width = 1024\n"
                                   "height = 600\n"
                                   "refresh_rate = 144\n"
                                   "fullscreen = true\n"
                                   "title = Tavern Rush Night\n"
                                   "brightness = 0.5\n");
    EXPECT_EQ(log.str(), "");
    EXPECT_EQ(settings.width, 1024);
    EXPECT_EQ(settings.height, 600);
    EXPECT_EQ(settings.refreshRate, 144);
    EXPECT_TRUE(settings.fullscreen);
    EXPECT_EQ(settings.title, "Tavern Rush Night");
    EXPECT_EQ(settings.brightness, 0.5f);
}

TEST_F(SettingsTest, SectionAndKeyNamesIgnoreCase)
{
    const Settings settings = load("[WINDOW]\nWidth = 1024\nREFRESH_RATE = 75\n");
    EXPECT_EQ(settings.width, 1024);
    EXPECT_EQ(settings.refreshRate, 75);
}

TEST_F(SettingsTest, KeysOutsideTheWindowSectionAreIgnored)
{
    const Settings settings = load("width = 300\n[display]\nheight = 300\n[window]\ntitle = Inn\n");
    EXPECT_EQ(settings.width, 800);
    EXPECT_EQ(settings.height, 800);
    EXPECT_EQ(settings.title, "Inn");
}

TEST_F(SettingsTest, IntegersAcceptHexAndReadLeadingZeroAsOctal)
{
    const Settings settings = load("[window]\nwidth = 0x400\nheight = 010\nrefresh_rate = 0x3C\n");
    EXPECT_EQ(settings.width, 1024);
    EXPECT_EQ(settings.height, 8);
    EXPECT_EQ(settings.refreshRate, 60);
}

TEST_F(SettingsTest, InlineCommentAfterWhiteSpaceIsStripped)
{
    const Settings settings = load("[window]\nwidth = 1024 ; wide\ntitle = Inn ; the short name\n");
    EXPECT_EQ(settings.width, 1024);
    EXPECT_EQ(settings.title, "Inn");
}

TEST_F(SettingsTest, MalformedLinesAreSkippedSilentlyAndTheRestStillCounts)
{
    const Settings settings = load("[window]\n"
                                   "width = 1024\n"
                                   "this line has no separator\n"
                                   "[broken section\n"
                                   "height = 600\n"
                                   "# a comment\n"
                                   "; another comment\n"
                                   "refresh_rate: 75\n");
    EXPECT_EQ(log.str(), "");
    EXPECT_EQ(settings.width, 1024);
    EXPECT_EQ(settings.height, 600);
    EXPECT_EQ(settings.refreshRate, 75);
}

TEST_F(SettingsTest, ValuesThatDoNotConvertSilentlyGiveTheDefault)
{
    const Settings settings = load("[window]\nwidth = big\nrefresh_rate = fast\nbrightness = dim\n");
    EXPECT_EQ(log.str(), "");
    EXPECT_EQ(settings.width, 800);
    EXPECT_EQ(settings.refreshRate, 60);
    EXPECT_EQ(settings.brightness, 1.0f);
}

TEST_F(SettingsTest, FullscreenTakesTheReaderWordsAndDefaultsOtherwise)
{
    EXPECT_TRUE(load("[window]\nfullscreen = YES\n").fullscreen);
    EXPECT_TRUE(load("[window]\nfullscreen = On\n").fullscreen);
    EXPECT_TRUE(load("[window]\nfullscreen = 1\n").fullscreen);
    EXPECT_FALSE(load("[window]\nfullscreen = 2\n").fullscreen);
    EXPECT_FALSE(load("[window]\nfullscreen = sure\n").fullscreen);
    EXPECT_EQ(log.str(), "");
}

TEST_F(SettingsTest, VsyncIsOnUnlessThePlayerTurnsItOff)
{
    EXPECT_TRUE(load("[window]\ntitle = x\n").vsync);
    EXPECT_FALSE(load("[window]\nvsync = false\n").vsync);
    EXPECT_FALSE(load("[window]\nvsync = off\n").vsync);
    EXPECT_TRUE(load("[window]\nvsync = maybe\n").vsync);
    EXPECT_TRUE(load("[audio]\nvsync = false\n").vsync) << "only [window] holds vsync";
    EXPECT_EQ(log.str(), "");
}

// Window sizes outside 2..16384 never reach the window: each one falls back
// to its default with one line that names the key, the value and the default.
struct BadSize {
    const char* text;       // as written in the file
    const char* reported;   // as the reader parsed it
};

void PrintTo(const BadSize& size, std::ostream* out) { *out << '"' << size.text << '"'; }

class WindowSizeRangeTest : public SettingsTest, public ::testing::WithParamInterface<BadSize> {};

TEST_P(WindowSizeRangeTest, WidthOutsideTheRangeFallsBackWithOneLine)
{
    const Settings settings = load(std::string("[window]\nwidth = ") + GetParam().text + "\nheight = 600\n");
    EXPECT_EQ(settings.width, 800);
    EXPECT_EQ(settings.height, 600);
    EXPECT_EQ(countLines(log.str()), 1) << log.str();
    EXPECT_THAT(log.str(), AllOf(HasSubstr("width"), HasSubstr(GetParam().reported), HasSubstr("800")));
}

TEST_P(WindowSizeRangeTest, HeightOutsideTheRangeFallsBackWithOneLine)
{
    const Settings settings = load(std::string("[window]\nwidth = 640\nheight = ") + GetParam().text + "\n");
    EXPECT_EQ(settings.width, 640);
    EXPECT_EQ(settings.height, 800);
    EXPECT_EQ(countLines(log.str()), 1) << log.str();
    EXPECT_THAT(log.str(), AllOf(HasSubstr("height"), HasSubstr(GetParam().reported), HasSubstr("800")));
}

INSTANTIATE_TEST_SUITE_P(Sizes, WindowSizeRangeTest,
                         ::testing::Values(BadSize{"0", "0"}, BadSize{"1", "1"}, BadSize{"-800", "-800"},
                                           BadSize{"16385", "16385"},
                                           // A leading zero reads as octal; "0800" stops at the 8.
                                           BadSize{"0800", "0"},
                                           // 2^32 + 800: narrowed to 32 bits first it would pass as 800.
                                           BadSize{"4294968096", "4294968096"},
                                           // Beyond a long the reader saturates; still not a size.
                                           BadSize{"99999999999999999999999", "9223372036854775807"}));

TEST_F(SettingsTest, WindowSizeRangeIncludesBothEnds)
{
    const Settings settings = load("[window]\nwidth = 2\nheight = 16384\n");
    EXPECT_EQ(log.str(), "");
    EXPECT_EQ(settings.width, 2);
    EXPECT_EQ(settings.height, 16384);
}

TEST_F(SettingsTest, EachBadSizeGetsItsOwnLine)
{
    const Settings settings = load("[window]\nwidth = 0\nheight = 0\n");
    EXPECT_EQ(settings.width, 800);
    EXPECT_EQ(settings.height, 800);
    EXPECT_EQ(countLines(log.str()), 2) << log.str();
}

TEST_F(SettingsTest, RefreshRateThatDoesNotFitThirtyTwoBitsFallsBack)
{
    // 2^32 + 60 would narrow to a plausible 60 Hz and hide the typo.
    const Settings settings = load("[window]\nrefresh_rate = 4294967356\n");
    EXPECT_EQ(settings.refreshRate, 60);
    EXPECT_EQ(countLines(log.str()), 1) << log.str();
    EXPECT_THAT(log.str(), AllOf(HasSubstr("refresh_rate"), HasSubstr("4294967356")));
}

class NonFiniteBrightnessTest : public SettingsTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(NonFiniteBrightnessTest, FallsBackToOneWithOneLine)
{
    const Settings settings = load(std::string("[window]\nbrightness = ") + GetParam() + "\n");
    EXPECT_EQ(settings.brightness, 1.0f);
    EXPECT_TRUE(std::isfinite(settings.brightness));
    EXPECT_EQ(countLines(log.str()), 1) << log.str();
    EXPECT_THAT(log.str(), AllOf(HasSubstr("brightness"), HasSubstr("1")));
}

// 1e300 is finite as a double but overflows the float the materials take.
INSTANTIATE_TEST_SUITE_P(Values, NonFiniteBrightnessTest, ::testing::Values("nan", "inf", "-inf", "NAN", "1e300"));

TEST_F(SettingsTest, NonFiniteBrightnessLineNamesTheBadValue)
{
    load("[window]\nbrightness = inf\n");
    EXPECT_THAT(log.str(), HasSubstr("inf"));
}

TEST_F(SettingsTest, OrdinaryBrightnessValuesPassUnchanged)
{
    EXPECT_EQ(load("[window]\nbrightness = 0\n").brightness, 0.0f);
    EXPECT_EQ(load("[window]\nbrightness = -0.25\n").brightness, -0.25f);
    EXPECT_EQ(load("[window]\nbrightness = 2.5\n").brightness, 2.5f);
    EXPECT_EQ(log.str(), "");
}

TEST_F(SettingsTest, ReadsEveryKeyOfTheAudioSectionIncludingBothEnds)
{
    const Settings settings = load("[window]\nwidth = 640\n[audio]\nvolume = 0.25\nmusic = 0\neffects = 1\n");
    EXPECT_EQ(log.str(), "");
    EXPECT_EQ(settings.width, 640);
    EXPECT_EQ(settings.audio.volume, 0.25f);
    EXPECT_EQ(settings.audio.music, 0.0f);
    EXPECT_EQ(settings.audio.effects, 1.0f);
}

TEST_F(SettingsTest, AudioKeysOutsideTheirSectionAreIgnored)
{
    const Settings settings = load("[window]\nvolume = 0.1\nmusic = 0.1\n");
    EXPECT_EQ(settings.audio.volume, 0.8f);
    EXPECT_EQ(settings.audio.music, 0.5f);
}

// A level outside 0..1, or not a finite number, would clip or silence the
// mix for good: the default instead, with one line naming the key and value.
TEST_F(SettingsTest, AudioLevelOutOfRangeFallsBackWithOneLine)
{
    struct Key {
        const char* name;
        float AudioSettings::*level;
        float fallback;
    };
    const Key keys[] = {{"volume", &AudioSettings::volume, 0.8f},
                        {"music", &AudioSettings::music, 0.5f},
                        {"effects", &AudioSettings::effects, 1.0f}};
    for (const Key& key : keys) {
        for (const char* value : {"-0.1", "1.5", "nan", "inf", "1e300"}) {
            SCOPED_TRACE(std::string(key.name) + " = " + value);
            log.str("");
            const Settings settings = load(std::string("[audio]\n") + key.name + " = " + value + "\n");
            EXPECT_EQ(settings.audio.*key.level, key.fallback);
            EXPECT_EQ(countLines(log.str()), 1) << log.str();
            EXPECT_THAT(log.str(), HasSubstr(std::string("'") + key.name + "'"));
        }
    }
}

TEST_F(SettingsTest, AudioLevelLineNamesTheBadValue)
{
    load("[audio]\nmusic = 1.5\n");
    EXPECT_THAT(log.str(), AllOf(HasSubstr("'music'"), HasSubstr("1.5"), HasSubstr("0.5")));
}

TEST_F(SettingsTest, AudioLevelThatDoesNotParseQuietlyGivesTheDefault)
{
    EXPECT_EQ(load("[audio]\nvolume = loud\n").audio.volume, 0.8f);
    EXPECT_EQ(log.str(), "");
}

} // namespace
} // namespace tavernrush
