#pragma once
// The frame loop: one fixed order of input, rules and passes per frame, and
// the game's rules for pictures, restart and the board animation.

#include "app/Camera.h"
#include "app/GameState.h"
#include "app/Input.h"
#include "app/Pictures.h"
#include "app/SceneRenderer.h"
#include "app/Settings.h"
#include "game/BeerField.h"
#include "game/CarriedBag.h"
#include "game/CoinField.h"

#include <vector>

namespace tavernrush {

class FrameLoop;

// Lets the replay tool feed events before a frame and record after it.
class FrameObserver {
public:
    virtual ~FrameObserver() = default;
    virtual void beforeFrame(FrameLoop& loop) = 0;
    // After the final image is drawn, before the buffers are swapped.
    virtual void afterFrame(FrameLoop& loop) = 0;
};

struct FrameLoopParts {
    const Settings& settings;
    WindowControl& window;
    const InputSource& input;
    Clock& clock;
    SceneRenderer& renderer;
    CameraState& camera;
    CoinField& coinField;
    BeerField& beerField;
    std::vector<glm::vec3> unicornPositions;
};

class FrameLoop : public InputEvents {
public:
    explicit FrameLoop(FrameLoopParts parts);

    // Runs frames until the window is asked to close.
    void run(FrameObserver* observer = nullptr);
    void runFrame();

    void onScroll(double yoffset) override;
    void onEscapeReleased() override;

    const GameState& state() const { return state_; }
    GameState& state() { return state_; }
    const CameraState& camera() const { return camera_; }
    const CoinField& coinField() const { return coinField_; }
    const BeerField& beerField() const { return beerField_; }
    CoinField& coinField() { return coinField_; }
    BeerField& beerField() { return beerField_; }
    const std::vector<glm::vec3>& unicornPositions() const { return unicornPositions_; }
    const CarriedBag& carriedBag() const { return bag_; }
    bool isFullscreen() const { return isFullscreen_; }
    // Frames completed so far; the frame being run has this number.
    long frameNumber() const { return frameNumber_; }
    // The frame time the last frame ran with (the state already holds the next).
    float frameDeltaTime() const { return frameDeltaTime_; }
    // Boards drawn in the last frame, in drawing order.
    const std::vector<Picture>& picturesThisFrame() const { return pictures_; }

private:
    FrameView frameView() const;
    void drawPicture(Picture picture);
    void brightnessKeys();
    void toggleFullscreenOnPress();
    void pictureRules();
    void restart();

    const Settings& settings_;
    WindowControl& window_;
    const InputSource& input_;
    Clock& clock_;
    SceneRenderer& renderer_;
    CameraState& camera_;
    CoinField& coinField_;
    BeerField& beerField_;
    std::vector<glm::vec3> unicornPositions_;
    CarriedBag bag_;
    GameState state_;
    bool isFullscreen_ = false;
    bool f10WasHeld_ = false;
    long frameNumber_ = 0;
    float frameDeltaTime_ = 0.0f;
    std::vector<Picture> pictures_;
};

} // namespace tavernrush
