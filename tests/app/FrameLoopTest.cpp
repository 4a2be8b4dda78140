// The loop around the rules: one poll, one draw and one present per frame,
// the frame time it reports, the window's full screen and Escape.
#include "app/FrameLoop.h"

#include "support/MeadowLevel.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace tavernrush {
namespace {

using ::testing::ElementsAre;

class HeldKeys : public InputSource {
public:
    bool isKeyHeld(Action action) const override { return keys.count(action) != 0; }
    bool isButtonHeld(MouseButton) const override { return false; }
    glm::dvec2 cursorPosition() const override { return {0.0, 0.0}; }
    std::set<Action> keys;
};

class StepClock : public Clock {
public:
    double now() override { return (time += 1.0 / 60.0) - 1.0 / 60.0; }
    double time = 0.0;
};

class FakeWindow : public WindowControl {
public:
    bool shouldClose() const override { return closeRequested; }
    void requestClose() override { closeRequested = true; }
    void pollEvents() override { calls.push_back("poll"); }
    void swapBuffers() override { calls.push_back("swap"); }
    glm::ivec2 framebufferSize() const override { return {800, 800}; }
    void leaveFullscreen(int, int) override { calls.push_back("leave"); }
    bool enterFullscreen() override
    {
        calls.push_back("enter");
        return hasMonitor;
    }
    bool closeRequested = false;
    bool hasMonitor = true;
    std::vector<std::string> calls;
};

class CountingRenderer : public SceneRenderer {
public:
    void draw(const FrameScene& scene) override { fullscreenEvents += scene.has(FrameEventKind::FullscreenToggled); }
    void present(const glm::ivec2&) override { ++presents; }
    void compositeOnly(const glm::ivec2&) override {}
    int fullscreenEvents = 0;
    int presents = 0;
};

struct LoopRig {
    explicit LoopRig(Settings settingsIn = {}) : settings(settingsIn) {}
    Settings settings;
    HeldKeys input;
    StepClock clock;
    FakeWindow window;
    CountingRenderer renderer;
    FrameRules rules{1.0f, testing::meadow(), {}};
    FrameLoop loop{FrameLoopParts{settings, window, input, clock, renderer, rules}};

    std::vector<std::string> toggles() const
    {
        std::vector<std::string> out;
        for (const std::string& call : window.calls) {
            if (call == "enter" || call == "leave") {
                out.push_back(call);
            }
        }
        return out;
    }
    void frames(int count)
    {
        for (int i = 0; i < count; ++i) {
            loop.runFrame();
        }
    }
};

TEST(FrameLoop, EachFramePollsOnceDrawsAndReportsItsTime)
{
    LoopRig rig;
    rig.frames(1);
    EXPECT_THAT(rig.window.calls, ElementsAre("poll"));
    EXPECT_EQ(rig.loop.frameDeltaTime(), 0.0f);
    rig.frames(2);
    EXPECT_EQ(rig.renderer.presents, 3);
    EXPECT_FLOAT_EQ(rig.loop.frameDeltaTime(), 1.0f / 60.0f);

    rig.loop.onEscapeReleased();
    rig.loop.run();
    EXPECT_EQ(rig.loop.frameNumber(), 0); // the request ends the run before another frame
}

TEST(FrameLoop, F10TogglesTheWindowOncePerPressAndStartsFromTheSettings)
{
    LoopRig rig;
    rig.input.keys = {Action::Fullscreen};
    rig.frames(5);
    EXPECT_THAT(rig.toggles(), ElementsAre("enter"));
    EXPECT_TRUE(rig.loop.isFullscreen());
    EXPECT_EQ(rig.renderer.fullscreenEvents, 1);
    rig.input.keys.clear();
    rig.frames(1);
    rig.input.keys = {Action::Fullscreen};
    rig.frames(3);
    EXPECT_THAT(rig.toggles(), ElementsAre("enter", "leave"));
    EXPECT_FALSE(rig.loop.isFullscreen());

    Settings fullscreen;
    fullscreen.fullscreen = true;
    LoopRig fromSettings(fullscreen);
    fromSettings.input.keys = {Action::Fullscreen};
    fromSettings.frames(1);
    EXPECT_THAT(fromSettings.toggles(), ElementsAre("leave"));

    LoopRig noMonitor;
    noMonitor.window.hasMonitor = false;
    noMonitor.input.keys = {Action::Fullscreen};
    noMonitor.frames(1);
    EXPECT_FALSE(noMonitor.loop.isFullscreen());
    EXPECT_EQ(noMonitor.renderer.fullscreenEvents, 0);
}

// The player's records and screenshots listen here: they must see each
// frame's value once, after its image is in the back buffer.
TEST(FrameLoop, ListenersHearEveryFrameAfterItIsPresented)
{
    struct Listener : FrameListener {
        explicit Listener(const CountingRenderer& renderer) : renderer(renderer) {}
        void frameShown(const FrameScene& scene) override
        {
            presentsSeen.push_back(renderer.presents);
            screenshots += scene.screenshotRequested;
        }
        const CountingRenderer& renderer;
        std::vector<int> presentsSeen;
        int screenshots = 0;
    };
    LoopRig rig;
    Listener listener(rig.renderer);
    rig.loop.listen(listener);
    rig.input.keys = {Action::Screenshot};
    rig.frames(3);
    EXPECT_THAT(listener.presentsSeen, ElementsAre(1, 2, 3));
    EXPECT_EQ(listener.screenshots, 1);
}

} // namespace
} // namespace tavernrush
