#pragma once
// Fakes that let the real frame loop run without a window: held keys set by
// the test, a clock that steps by a fixed amount per reading, a window that
// records what was asked of it, and a renderer that records what was drawn.

#include "app/FrameLoop.h"

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace tavernrush::testing {

class FakeInput : public InputSource {
public:
    bool isKeyHeld(Key key) const override { return keys.count(key) != 0; }
    bool isButtonHeld(MouseButton button) const override { return buttons.count(button) != 0; }
    glm::dvec2 cursorPosition() const override { return cursor; }

    std::set<Key> keys;
    std::set<MouseButton> buttons;
    glm::dvec2 cursor{0.0};
};

// Each reading advances by `step`, so every frame after the first runs with
// exactly that frame time.
class StepClock : public Clock {
public:
    explicit StepClock(double step) : step(step) {}
    double now() override
    {
        const double value = time;
        time += step;
        return value;
    }
    double step;
    double time = 0.0;
};

class FakeWindow : public WindowControl {
public:
    bool shouldClose() const override { return closeRequested; }
    void requestClose() override { closeRequested = true; }
    void pollEvents() override { ++polls; }
    void swapBuffers() override { ++swaps; }
    glm::ivec2 framebufferSize() const override { return {800, 800}; }
    void leaveFullscreen(int, int) override { calls.push_back("leave"); }
    bool enterFullscreen() override
    {
        calls.push_back("enter");
        return hasMonitor;
    }

    bool closeRequested = false;
    bool hasMonitor = true;
    int polls = 0;
    int swaps = 0;
    std::vector<std::string> calls;
};

class CountingDrawer : public ItemDrawer {
public:
    void drawItem(const glm::mat4&) override { ++count; }
    int count = 0;
};

class RecordingRenderer : public SceneRenderer {
public:
    void beginFrame() override { steps.push_back("beginFrame"); }
    void adjustBrightness(float step) override { brightness += step; }
    void drawShadowPass(const FrameView&, const glm::mat4&) override { steps.push_back("shadow"); }
    void beginScenePass(const FrameView&, const glm::mat4&, bool drawPlayer) override
    {
        steps.push_back("scene");
        playerDrawn = drawPlayer;
    }
    void drawSky(const FrameView&) override { steps.push_back("sky"); }
    void drawBrickWall(const FrameView&, bool plainPhong) override
    {
        steps.push_back("wall");
        wallPlain = plainPhong;
    }
    void prepareLitObjects(const FrameView&) override { steps.push_back("lit"); }
    ItemDrawer& coinDrawer() override { return coins; }
    ItemDrawer& beerDrawer() override { return beers; }
    void drawUnicorns(const std::vector<glm::vec3>&) override { steps.push_back("unicorns"); }
    void drawLadderAndToilet() override { steps.push_back("ladderAndToilet"); }
    void drawPicture(Picture picture, const glm::mat4&) override
    {
        steps.push_back(std::string(pictureBoardName(picture)));
    }
    void showAnimationFrame(const std::string& path) override { animationFrames.push_back(path); }
    void drawAnimationBoard() override { steps.push_back("animationBoard"); }
    void showCoinPicture(const std::string& path) override { coinPictures.push_back(path); }
    void showBeerPicture(const std::string& path) override { beerPictures.push_back(path); }
    void drawCounterSpheres(float) override { steps.push_back("spheres"); }
    void refreshCoinProgram(const FrameView&) override { steps.push_back("coinProgram"); }
    void drawCarriedBag(const glm::mat4&) override { steps.push_back("bag"); }
    void beginEndPictures() override { steps.push_back("endPictures"); }
    void present(const glm::ivec2&) override { steps.push_back("present"); }
    void compositeOnly(const glm::ivec2&) override { steps.push_back("composite"); }

    void clear()
    {
        steps.clear();
        animationFrames.clear();
        coinPictures.clear();
        beerPictures.clear();
    }

    std::vector<std::string> steps;
    std::vector<std::string> animationFrames;
    std::vector<std::string> coinPictures;
    std::vector<std::string> beerPictures;
    CountingDrawer coins;
    CountingDrawer beers;
    float brightness = 0.0f;
    bool playerDrawn = false;
    bool wallPlain = false;
};

// One frame loop over the fakes with the game's real fields and herd.
struct LoopRig {
    explicit LoopRig(double frameSeconds = 1.0 / 60.0, Settings settingsIn = {},
                     std::vector<glm::vec3> unicorns = {})
        : settings(std::move(settingsIn)), clock(frameSeconds)
    {
        initCamera(camera, static_cast<float>(settings.width) / static_cast<float>(settings.height));
        loop = std::make_unique<FrameLoop>(FrameLoopParts{settings, window, input, clock, renderer, camera, coins,
                                                          beers, std::move(unicorns)});
    }

    // Runs `count` frames; the first frame of a rig runs with deltaTime 0.
    void frames(int count)
    {
        for (int i = 0; i < count; ++i) {
            loop->runFrame();
        }
    }

    GameState& state() { return loop->state(); }
    PlayerState& player() { return loop->state().player; }

    Settings settings;
    FakeInput input;
    StepClock clock;
    FakeWindow window;
    RecordingRenderer renderer;
    CameraState camera;
    CoinField coins;
    BeerField beers;
    std::unique_ptr<FrameLoop> loop;
};

} // namespace tavernrush::testing
