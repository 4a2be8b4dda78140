// Reading assets/settings.ini: the defaults, which section holds which key,
// and the fallbacks that keep a bad value from reaching the window, the
// lights or the mix, each with its one line.

#include "app/Settings.h"

#include <GLFW/glfw3.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
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
    EXPECT_TRUE(settings.pauseOnFocusLoss);
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
                                   "brightness = 0.5\n"
                                   "pause_on_focus_loss = no\n");
    EXPECT_EQ(log.str(), "");
    EXPECT_EQ(settings.width, 1024);
    EXPECT_EQ(settings.height, 600);
    EXPECT_EQ(settings.refreshRate, 144);
    EXPECT_TRUE(settings.fullscreen);
    EXPECT_EQ(settings.title, "Tavern Rush Night");
    EXPECT_EQ(settings.brightness, 0.5f);
    EXPECT_FALSE(settings.pauseOnFocusLoss);
}

TEST_F(SettingsTest, KeysOutsideTheWindowSectionAreIgnored)
{
    const Settings settings = load("width = 300\n[display]\nheight = 300\n[window]\ntitle = Inn\n");
    EXPECT_EQ(settings.width, 800);
    EXPECT_EQ(settings.height, 800);
    EXPECT_EQ(settings.title, "Inn");
}

TEST_F(SettingsTest, ValuesThatDoNotConvertSilentlyGiveTheDefault)
{
    const Settings settings = load("[window]\nwidth = big\nrefresh_rate = fast\nbrightness = dim\n");
    EXPECT_EQ(log.str(), "");
    EXPECT_EQ(settings.width, 800);
    EXPECT_EQ(settings.refreshRate, 60);
    EXPECT_EQ(settings.brightness, 1.0f);
}

TEST_F(SettingsTest, VsyncIsOnUnlessThePlayerTurnsItOff)
{
    EXPECT_TRUE(load("[window]\ntitle = x\n").vsync);
    EXPECT_FALSE(load("[window]\nvsync = false\n").vsync);
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
                                           // 2^32 + 800: narrowed to 32 bits first it would pass as 800.
                                           BadSize{"4294968096", "4294968096"},
                                           // Beyond a long the reader saturates; the line shows
                                           // the number as written, not the limit.
                                           BadSize{"99999999999999999999999", "= 99999999999999999999999 "}));

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
INSTANTIATE_TEST_SUITE_P(Values, NonFiniteBrightnessTest, ::testing::Values("nan", "inf", "-inf", "1e300"));

TEST_F(SettingsTest, ABadValueIsNamedAsWrittenAndWithoutControlCharacters)
{
    load("[window]\nbrightness = inf\n");
    EXPECT_THAT(log.str(), HasSubstr("= inf is not a finite number"));
    log.str("");
    load("[window]\nbrightness = 1e300\n");
    EXPECT_THAT(log.str(), HasSubstr("= 1e300 is too large"));
    log.str("");
    load("[window]\nwidth = 9\x1b]0;owned\x07\n[controls]\njump = \x1b[2J\n");
    EXPECT_EQ(log.str().find('\x1b'), std::string::npos) << log.str();
    EXPECT_THAT(log.str(), HasSubstr("'?[2J'"));
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
// mix for good: the default instead, with one line naming the key, the value
// and the default. One that does not parse at all quietly gives the default,
// as every other key does.
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

    log.str("");
    load("[audio]\nmusic = 1.5\n");
    EXPECT_THAT(log.str(), AllOf(HasSubstr("'music'"), HasSubstr("1.5"), HasSubstr("0.5")));

    log.str("");
    EXPECT_EQ(load("[audio]\nvolume = loud\n").audio.volume, 0.8f);
    EXPECT_EQ(log.str(), "");
}

// [controls]: each action's key, today's keys where the file says nothing.
TEST_F(SettingsTest, TheGraphicsSectionTakesEachKeysValuesAndDefaultsToTodaysLook)
{
    const GraphicsSettings defaults = load("").graphics;
    EXPECT_EQ(defaults.renderScale, 1.0f);
    EXPECT_FALSE(defaults.automaticScale);
    EXPECT_EQ(defaults.msaa, 4);
    EXPECT_TRUE(defaults.bloom);
    EXPECT_EQ(defaults.shadowSize, 1024);

    const GraphicsSettings chosen =
        load("[graphics]\nrender_scale = 0.25\nmsaa = 0\nbloom = off\nshadow_size = 4096\n").graphics;
    EXPECT_EQ(chosen.renderScale, 0.25f);
    EXPECT_EQ(chosen.msaa, 0);
    EXPECT_FALSE(chosen.bloom);
    EXPECT_EQ(chosen.shadowSize, 4096);
    EXPECT_TRUE(load("[graphics]\nrender_scale = auto\n").graphics.automaticScale);
    EXPECT_EQ(load("[window]\nmsaa = 0\n").graphics.msaa, 4) << "only [graphics] holds msaa";
    EXPECT_EQ(log.str(), "");
}

// Unlike the window's keys, a [graphics] value that does not even parse is
// reported: the player asked for a look and should hear why it is not there.
struct BadGraphicsValue {
    const char* line;
    const char* key;
    const char* defaultShown;
};

void PrintTo(const BadGraphicsValue& value, std::ostream* out) { *out << '"' << value.line << '"'; }

class BadGraphicsValueTest : public SettingsTest, public ::testing::WithParamInterface<BadGraphicsValue> {};

TEST_P(BadGraphicsValueTest, FallsBackWithOneLineNamingTheKeyAndTheDefault)
{
    const GraphicsSettings graphics = load(std::string("[graphics]\n") + GetParam().line + "\n").graphics;
    EXPECT_EQ(countLines(log.str()), 1) << log.str();
    EXPECT_THAT(log.str(), AllOf(HasSubstr(std::string("'") + GetParam().key + "'"),
                                 HasSubstr(std::string("Using default value ") + GetParam().defaultShown)));
    const GraphicsSettings defaults;
    EXPECT_EQ(graphics.renderScale, defaults.renderScale);
    EXPECT_FALSE(graphics.automaticScale);
    EXPECT_EQ(graphics.msaa, defaults.msaa);
    EXPECT_EQ(graphics.bloom, defaults.bloom);
    EXPECT_EQ(graphics.shadowSize, defaults.shadowSize);
}

INSTANTIATE_TEST_SUITE_P(
    Values, BadGraphicsValueTest,
    ::testing::Values(BadGraphicsValue{"render_scale = 0.2", "render_scale", "1"},
                      BadGraphicsValue{"render_scale = 1.5", "render_scale", "1"},
                      BadGraphicsValue{"render_scale = nan", "render_scale", "1"},
                      BadGraphicsValue{"render_scale = automatic", "render_scale", "1"},
                      BadGraphicsValue{"msaa = 8", "msaa", "4"}, BadGraphicsValue{"msaa = 4x", "msaa", "4"},
                      BadGraphicsValue{"msaa = -4", "msaa", "4"}, BadGraphicsValue{"bloom = maybe", "bloom", "true"},
                      BadGraphicsValue{"shadow_size = 511", "shadow_size", "1024"},
                      BadGraphicsValue{"shadow_size = 4097", "shadow_size", "1024"},
                      // 2^32 + 1024 would narrow to the default and hide the typo.
                      BadGraphicsValue{"shadow_size = 4294968320", "shadow_size", "1024"},
                      BadGraphicsValue{"shadow_size = 99999999999999999999999", "shadow_size", "1024"}));

TEST_F(SettingsTest, ControlsDefaultToTodaysKeysAndTakeAnyKnownKeyName)
{
    const Settings defaults = load("[window]\nwidth = 640\n");
    EXPECT_EQ(log.str(), "");
    EXPECT_EQ(defaults.controls.keyFor(Action::Forward), GLFW_KEY_UP);
    EXPECT_EQ(defaults.controls.keyFor(Action::Jump), GLFW_KEY_SPACE);
    EXPECT_EQ(defaults.controls.keyFor(Action::Dismiss), GLFW_KEY_F);
    EXPECT_EQ(defaults.controls.keyFor(Action::Fullscreen), GLFW_KEY_F10);
    EXPECT_EQ(defaults.controls.keyFor(Action::Pause), GLFW_KEY_P);
    EXPECT_EQ(defaults.controls.keyFor(Action::Mute), GLFW_KEY_M);
    EXPECT_EQ(defaults.controls.keyFor(Action::Screenshot), GLFW_KEY_F12);

    // Case does not matter, and two actions may swap their keys.
    const Settings moved = load("[Controls]\nForward = W\nback = s\njump = f\ndismiss = SPACE\n"
                                "plain_wall = page_down\n");
    EXPECT_EQ(log.str(), "");
    EXPECT_EQ(moved.controls.keyFor(Action::Forward), GLFW_KEY_W);
    EXPECT_EQ(moved.controls.keyFor(Action::Back), GLFW_KEY_S);
    EXPECT_EQ(moved.controls.keyFor(Action::Jump), GLFW_KEY_F);
    EXPECT_EQ(moved.controls.keyFor(Action::Dismiss), GLFW_KEY_SPACE);
    EXPECT_EQ(moved.controls.keyFor(Action::PlainWall), GLFW_KEY_PAGE_DOWN);
}

// The file the game ships lists every action with today's key, and reads
// without a word.
TEST_F(SettingsTest, TheShippedFileBindsTodaysKeys)
{
    const Settings settings = loadSettings(TAVERNRUSH_SHIPPED_SETTINGS, log);
    EXPECT_EQ(log.str(), "");
    EXPECT_EQ(settings.controls.keys, Controls::defaultKeys());
    std::ifstream shipped(TAVERNRUSH_SHIPPED_SETTINGS);
    const std::string text{std::istreambuf_iterator<char>(shipped), std::istreambuf_iterator<char>()};
    for (int action = 0; action < actionCount; ++action) {
        EXPECT_THAT(text, HasSubstr("\n" + std::string(actionName(static_cast<Action>(action))) + " = "));
    }
}

TEST_F(SettingsTest, EachDamagedControlGetsOneLineAndItsActionItsDefaultKey)
{
    const Controls controls = readControls("[controls]\n"
                                           "jump = jumpkey\n"  // no such key
                                           "pause = escape\n"  // Escape always quits
                                           "run = r\n"         // no such action
                                           "mute = k\n"
                                           "mute = l\n"        // the first entry counts
                                           "forward = d\n"     // darker keeps its own key
                                           "left = x\n"
                                           "right = x\n",      // the first in order keeps it
                                           log);
    EXPECT_EQ(log.str(),
              "ERROR: Setting 'jump' = 'jumpkey' in [controls] is not a key name. Using default key 'space' "
              "instead.\n"
              "ERROR: Setting 'pause' = 'escape' in [controls] binds Escape, which always quits. Using default "
              "key 'p' instead.\n"
              "ERROR: Setting 'run' = 'r' in [controls] names no action of the game. It is left out.\n"
              "ERROR: Setting 'mute' = 'l' in [controls] repeats the action. The first entry counts.\n"
              "ERROR: Setting 'forward' = 'd' in [controls] takes the key of 'darker'. Using default key 'up' "
              "instead.\n"
              "ERROR: Setting 'right' = 'x' in [controls] takes the key of 'left'. Using default key 'right' "
              "instead.\n");
    EXPECT_EQ(controls.keyFor(Action::Jump), GLFW_KEY_SPACE);
    EXPECT_EQ(controls.keyFor(Action::Pause), GLFW_KEY_P);
    EXPECT_EQ(controls.keyFor(Action::Mute), GLFW_KEY_K);
    EXPECT_EQ(controls.keyFor(Action::Forward), GLFW_KEY_UP);
    EXPECT_EQ(controls.keyFor(Action::Darker), GLFW_KEY_D);
    EXPECT_EQ(controls.keyFor(Action::Left), GLFW_KEY_X);
    EXPECT_EQ(controls.keyFor(Action::Right), GLFW_KEY_RIGHT);
}

TEST_F(SettingsTest, WhenEveryActionAsksForOneKeyEachLineNamesTheActionThatKeepsIt)
{
    std::string file = "[controls]\n";
    for (std::size_t i = 0; i < actionCount; ++i) {
        file += std::string(actionName(static_cast<Action>(i))) + " = left\n";
    }
    const Controls controls = readControls(file, log);
    EXPECT_EQ(controls.keyFor(Action::Left), GLFW_KEY_LEFT);
    EXPECT_EQ(countLines(log.str()), static_cast<long>(actionCount) - 1) << log.str();
    EXPECT_EQ(std::string(log.str()).find("takes the key of 'forward'"), std::string::npos) << log.str();
    std::istringstream lines(log.str());
    for (std::string line; std::getline(lines, line);) {
        EXPECT_THAT(line, HasSubstr("takes the key of 'left'"));
    }
}

TEST_F(SettingsTest, AKeyGivenBackCanPushOutTheActionThatTookItsDefault)
{
    // Jump cannot have f (dismiss keeps it) and goes back to space, which
    // forward took: forward goes back to up in turn. No key ends up shared.
    const Controls controls = readControls("[controls]\nforward = space\njump = f\n", log);
    EXPECT_EQ(countLines(log.str()), 2) << log.str();
    EXPECT_EQ(controls.keyFor(Action::Jump), GLFW_KEY_SPACE);
    EXPECT_EQ(controls.keyFor(Action::Forward), GLFW_KEY_UP);
    for (std::size_t a = 0; a < controls.keys.size(); ++a) {
        for (std::size_t b = a + 1; b < controls.keys.size(); ++b) {
            EXPECT_NE(controls.keys[a], controls.keys[b]) << a << " and " << b;
        }
    }
}


} // namespace
} // namespace tavernrush
