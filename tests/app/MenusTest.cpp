// The title, the pause menu and the options, driven through the frame loop
// by key presses over fakes: what the frame value shows, what the rules do,
// what reaches the settings file and the running game.
#include "app/FrameLoop.h"
#include "app/GraphicsChoices.h"
#include "app/SettingsLines.h"
#include "scene/MenuLayout.h"

#include "support/MeadowLevel.h"

#include <GLFW/glfw3.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

namespace tavernrush {
namespace {

namespace fs = std::filesystem;

class Keys : public InputSource {
public:
    bool isKeyHeld(Action action) const override { return codes.count(controls.keyFor(action)) != 0; }
    bool isKeyCodeHeld(int code) const override { return codes.count(code) != 0; }
    bool isButtonHeld(MouseButton button) const override { return button == MouseButton::Left && clicking; }
    glm::dvec2 cursorPosition() const override { return cursor; }
    std::set<int> codes;
    glm::dvec2 cursor{0.0};
    bool clicking = false;
    Controls controls;
};

class StepClock : public Clock {
public:
    double now() override { return (time += 0.1) - 0.1; }
    double time = 0.0;
};

class Window : public WindowControl {
public:
    bool shouldClose() const override { return closed; }
    void requestClose() override { closed = true; }
    void pollEvents() override {}
    void swapBuffers() override {}
    glm::ivec2 framebufferSize() const override { return {800, 800}; }
    void leaveFullscreen(int, int) override {}
    bool enterFullscreen() override { return true; }
    bool closed = false;
};

class Renderer : public SceneRenderer {
public:
    void draw(const FrameScene&) override {}
    void present(const glm::ivec2&) override {}
    void compositeOnly(const glm::ivec2&) override {}
};

class Heard : public LiveOptions {
public:
    explicit Heard(Keys& keys) : keys_(keys) {}
    void soundLevels(const AudioSettings& levels) override { volume = levels.volume; }
    void brightness(float value) override { seenBrightness = value; }
    void renderScale(const GraphicsSettings& graphics) override { seenGraphics = graphics; }
    void bloom(bool on) override { seenGraphics.bloom = on; }
    void shadowSize(int texels) override { seenGraphics.shadowSize = texels; }
    void controls(const Controls& controls, bool) override { keys_.controls = controls; }
    bool playLevel(const std::string& name) override
    {
        level = name;
        return true;
    }
    float volume = -1.0f;
    float seenBrightness = -1.0f;
    GraphicsSettings seenGraphics;
    std::string level;

private:
    Keys& keys_;
};

const std::string playersFile = "; mine\n[audio]\n; loud\nvolume = 0.8\nunknown = 1\n[controls]\njump = space\n";

struct MenuRig {
    explicit MenuRig(bool title, const fs::path& file)
        : saver(file, log),
          menus(MenuSetup{Settings{}, saver, heard, {{"meadow", std::nullopt}, {"autumn", 331}}, 10, 4, 70.0f, title})
    {
    }
    void frames(int count)
    {
        for (int i = 0; i < count; ++i) {
            loop.runFrame();
        }
    }
    void press(int code)
    {
        input.codes = {code};
        frames(1);
        input.codes.clear();
        frames(1);
    }
    const std::optional<MenuView>& menu() const { return loop.scene().menu; }
    std::string selected() const { return menu() ? menu()->selectedEntry()->id : ""; }

    Settings settings;
    Keys input;
    StepClock clock;
    Window window;
    Renderer renderer;
    FrameRules rules{1.0f, testing::meadow(), {}};
    std::ostringstream log;
    Heard heard{input};
    SettingsSaver saver;
    Menus menus;
    FrameLoop loop{FrameLoopParts{settings, window, input, clock, renderer, rules, &menus}};
};

class MenusTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "tavernrush-menus-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern;
        file = folder / "settings.ini";
        std::ofstream(file) << playersFile;
    }
    void TearDown() override { fs::remove_all(folder); }
    std::string content() const
    {
        std::ifstream in(file);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    // P, then down twice to Options and Enter.
    static void openOptions(MenuRig& rig)
    {
        rig.press(GLFW_KEY_P);
        rig.press(GLFW_KEY_DOWN);
        rig.press(GLFW_KEY_DOWN);
        rig.press(GLFW_KEY_ENTER);
    }

    fs::path folder;
    fs::path file;
};

TEST_F(MenusTest, TheTitleHoldsTheCountdownWhileItsCameraMovesUntilTheJumpKey)
{
    MenuRig rig(true, file);
    rig.frames(5);
    const glm::mat4 viewBefore = rig.loop.scene().view.viewMatrix;
    rig.frames(5);
    ASSERT_TRUE(rig.menu());
    EXPECT_EQ(rig.menu()->screen, MenuScreen::Title);
    EXPECT_EQ(rig.rules.state().gameTimer, 0.0f);
    EXPECT_FALSE(rig.loop.scene().countdown);
    EXPECT_NE(rig.loop.scene().view.viewMatrix, viewBefore);
    // Left and right choose the level; arrows and Enter the entry; Space
    // plays from any entry.
    EXPECT_EQ(rig.menu()->notes.back(), "Level: < meadow >   Best: none yet");
    rig.press(GLFW_KEY_RIGHT);
    EXPECT_EQ(rig.menu()->notes.back(), "Level: < autumn >   Best: 33.1 s");
    rig.press(GLFW_KEY_LEFT);
    rig.press(GLFW_KEY_DOWN);
    EXPECT_EQ(rig.selected(), "options");
    rig.input.codes = {GLFW_KEY_SPACE};
    rig.frames(1);
    rig.input.codes.clear();
    // From here on, play is that of a run without the title, frame for frame.
    MenuRig plain(false, file);
    for (int frame = 0; frame < 12; ++frame) {
        rig.frames(1);
        plain.frames(1);
        EXPECT_FALSE(rig.menu());
        EXPECT_EQ(rig.rules.state().gameTimer, plain.rules.state().gameTimer) << frame;
        EXPECT_EQ(rig.rules.coinField().positions(), plain.rules.coinField().positions()) << frame;
        EXPECT_EQ(rig.rules.unicornPositions(), plain.rules.unicornPositions()) << frame;
        EXPECT_EQ(rig.loop.scene().view.viewMatrix, plain.loop.scene().view.viewMatrix) << frame;
    }
    EXPECT_GT(rig.rules.state().gameTimer, 0.0f);
}

TEST_F(MenusTest, PlayOnAnotherLevelEndsTheRunForIt)
{
    MenuRig rig(true, file);
    rig.frames(2);
    rig.press(GLFW_KEY_RIGHT);
    rig.press(GLFW_KEY_SPACE);
    EXPECT_EQ(rig.heard.level, "autumn");
    EXPECT_TRUE(rig.window.closed);
}

TEST_F(MenusTest, ABrightnessChangedInTheOptionsIsSeenAtOnce)
{
    MenuRig rig(false, file);
    rig.frames(2);
    openOptions(rig);
    for (int row = 0; row < 5; ++row) {
        rig.press(GLFW_KEY_DOWN);
    }
    ASSERT_TRUE(rig.menu()->selectedEntry());
    ASSERT_EQ(rig.menu()->selectedEntry()->id, "brightness");
    rig.press(GLFW_KEY_RIGHT);
    EXPECT_FLOAT_EQ(rig.heard.seenBrightness, 1.1f);
    EXPECT_FLOAT_EQ(rig.menus.settings().brightness, 1.1f);
}

TEST_F(MenusTest, AVolumeChangedInTheOptionsIsHeardAndSavedOnItsLineAlone)
{
    MenuRig rig(false, file);
    rig.frames(2);
    openOptions(rig);
    ASSERT_TRUE(rig.menu());
    EXPECT_EQ(rig.menu()->screen, MenuScreen::Options);
    EXPECT_TRUE(rig.rules.paused());
    rig.press(GLFW_KEY_LEFT);
    EXPECT_FLOAT_EQ(rig.heard.volume, 0.7f);
    EXPECT_EQ(content(), withSetting(playersFile, "audio", "volume", "0.7"));
    EXPECT_EQ(content(), "; mine\n[audio]\n; loud\nvolume = 0.7\nunknown = 1\n[controls]\njump = space\n");
    // Back twice and the pause menu resumes the game.
    rig.press(GLFW_KEY_BACKSPACE);
    EXPECT_EQ(rig.menu()->screen, MenuScreen::Pause);
    rig.press(GLFW_KEY_BACKSPACE);
    rig.frames(1);
    EXPECT_FALSE(rig.rules.paused());
    EXPECT_FALSE(rig.menu());
}

TEST_F(MenusTest, TheGraphicsScreenAppliesAndSavesEachValueAsTheFileReadsItBack)
{
    MenuRig rig(false, file);
    rig.frames(2);
    openOptions(rig);
    rig.press(GLFW_KEY_UP); // Back
    rig.press(GLFW_KEY_UP); // Controls
    rig.press(GLFW_KEY_UP);
    ASSERT_EQ(rig.selected(), "graphics");
    rig.press(GLFW_KEY_ENTER);
    ASSERT_EQ(rig.menu()->screen, MenuScreen::Graphics);
    EXPECT_TRUE(rig.rules.paused());

    EXPECT_EQ(rig.menu()->selectedEntry()->value, "100%");
    rig.press(GLFW_KEY_LEFT);
    EXPECT_EQ(rig.menu()->selectedEntry()->value, "75%");
    EXPECT_FLOAT_EQ(rig.heard.seenGraphics.renderScale, 0.75f);
    EXPECT_NE(content().find("[graphics]\nrender_scale = 0.75\n"), std::string::npos) << content();
    // Enter steps on as right does, past 100% to Auto.
    rig.press(GLFW_KEY_ENTER);
    rig.press(GLFW_KEY_ENTER);
    EXPECT_EQ(rig.menu()->selectedEntry()->value, "Auto");
    EXPECT_TRUE(rig.heard.seenGraphics.automaticScale);

    // The window's samples wait for the next start, and say so while they differ.
    rig.press(GLFW_KEY_DOWN);
    rig.press(GLFW_KEY_RIGHT);
    EXPECT_EQ(rig.menu()->selectedEntry()->value, "Off");
    EXPECT_EQ(rig.menu()->message, "Applies when the game next starts");
    rig.press(GLFW_KEY_LEFT);
    EXPECT_EQ(rig.menu()->message, "");
    rig.press(GLFW_KEY_LEFT);

    rig.press(GLFW_KEY_DOWN);
    rig.press(GLFW_KEY_ENTER);
    EXPECT_EQ(rig.menu()->selectedEntry()->value, "Off");
    EXPECT_FALSE(rig.heard.seenGraphics.bloom);
    EXPECT_EQ(rig.menu()->message, "") << "bloom applies at once";
    rig.press(GLFW_KEY_DOWN);
    rig.press(GLFW_KEY_RIGHT);
    EXPECT_EQ(rig.heard.seenGraphics.shadowSize, 2048);

    std::ostringstream log;
    EXPECT_EQ(loadSettings(file.string(), log).graphics, rig.menus.settings().graphics);
    EXPECT_EQ(log.str(), "");
    rig.press(GLFW_KEY_BACKSPACE);
    EXPECT_EQ(rig.selected(), "graphics");
}

TEST(GraphicsChoicesTest, AValueWrittenByHandStepsToTheNextChoiceThatWay)
{
    GraphicsSettings graphics;
    graphics.shadowSize = 1500;
    stepShadowSize(graphics, 1);
    EXPECT_EQ(graphics.shadowSize, 2048);
    graphics.shadowSize = 1500;
    stepShadowSize(graphics, -1);
    EXPECT_EQ(graphics.shadowSize, 1024);
    graphics.renderScale = 0.3f;
    stepRenderScale(graphics, -1);
    EXPECT_TRUE(graphics.automaticScale);
}

TEST_F(MenusTest, RestartInThePauseMenuPlaysOnFromTheStart)
{
    MenuRig rig(false, file);
    rig.frames(20);
    rig.press(GLFW_KEY_P);
    rig.press(GLFW_KEY_DOWN);
    // The frame after Enter plays, from the start.
    rig.press(GLFW_KEY_ENTER);
    EXPECT_TRUE(rig.loop.scene().has(FrameEventKind::Restart));
    EXPECT_FALSE(rig.rules.paused());
    EXPECT_LT(rig.rules.state().gameTimer, 0.15f);
}

TEST_F(MenusTest, ARebindingSwapsAClashingKeyAndEscapeCancelsIt)
{
    MenuRig rig(false, file);
    rig.frames(2);
    openOptions(rig);
    rig.press(GLFW_KEY_UP); // Back
    rig.press(GLFW_KEY_UP); // Controls
    rig.press(GLFW_KEY_ENTER);
    for (int i = 0; i < static_cast<int>(Action::Jump); ++i) {
        rig.press(GLFW_KEY_DOWN);
    }
    ASSERT_EQ(rig.selected(), "jump");
    rig.press(GLFW_KEY_ENTER);
    EXPECT_EQ(rig.menu()->screen, MenuScreen::Rebind);
    rig.press(GLFW_KEY_F);
    EXPECT_EQ(rig.menu()->screen, MenuScreen::Controls);
    EXPECT_EQ(rig.input.controls.keyFor(Action::Jump), GLFW_KEY_F);
    EXPECT_EQ(rig.input.controls.keyFor(Action::Dismiss), GLFW_KEY_SPACE);
    EXPECT_EQ(rig.menu()->message, "Swapped: Dismiss picture is now on Space");
    EXPECT_NE(content().find("jump = f\n"), std::string::npos);
    EXPECT_NE(content().find("dismiss = space\n"), std::string::npos);

    rig.press(GLFW_KEY_ENTER);
    rig.loop.onEscapeReleased();
    rig.frames(1);
    EXPECT_FALSE(rig.window.closed);
    EXPECT_EQ(rig.menu()->screen, MenuScreen::Controls);
    EXPECT_EQ(rig.input.controls.keyFor(Action::Jump), GLFW_KEY_F);
    rig.loop.onEscapeReleased();
    EXPECT_TRUE(rig.window.closed);
}

TEST_F(MenusTest, TheMouseSelectsByHoverTakesAnEntryByClickAndDragsASlider)
{
    MenuRig rig(false, file);
    rig.frames(2);
    rig.press(GLFW_KEY_P);
    // The fake window and the settings are both 800 x 800: no letterbox.
    const auto rows = menuRows(*rig.menu(), {800, 800});
    rig.input.cursor = (rows[2].from + rows[2].to) * 0.5f;
    rig.frames(1);
    EXPECT_EQ(rig.selected(), "options");
    rig.input.clicking = true;
    rig.frames(1);
    rig.input.clicking = false;
    rig.frames(1);
    ASSERT_EQ(rig.menu()->screen, MenuScreen::Options);

    const MenuRow volume = menuRows(*rig.menu(), {800, 800})[0];
    const glm::vec2 trackFrom = volume.sliderFrom.value_or(glm::vec2(-100.0f));
    const glm::vec2 trackTo = volume.sliderTo.value_or(glm::vec2(-100.0f));
    rig.input.cursor = glm::vec2(trackFrom.x + 1.0f, volume.from.y + 5.0f);
    rig.input.clicking = true;
    rig.frames(1);
    EXPECT_FLOAT_EQ(rig.heard.volume, 0.0f);
    // Held, the slider follows the cursor even off its row.
    rig.input.cursor = glm::vec2(trackTo.x + 50.0f, volume.to.y + 40.0f);
    rig.frames(1);
    EXPECT_FLOAT_EQ(rig.heard.volume, 1.0f);
    EXPECT_EQ(content(), withSetting(playersFile, "audio", "volume", "1.0"));
}

TEST_F(MenusTest, AnUnwritableFileSaysSoInOneWordAndTheChangeStillHolds)
{
    fs::permissions(file, fs::perms::owner_read);
    MenuRig rig(false, file);
    rig.frames(2);
    openOptions(rig);
    rig.press(GLFW_KEY_LEFT);
    rig.press(GLFW_KEY_LEFT);
    EXPECT_FLOAT_EQ(rig.heard.volume, 0.6f);
    EXPECT_FLOAT_EQ(rig.menus.settings().audio.volume, 0.6f);
    EXPECT_EQ(rig.menu()->message, "unsaved");
    EXPECT_EQ(content(), playersFile);
    const std::string lines = rig.log.str();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 1) << lines;
}

} // namespace
} // namespace tavernrush
