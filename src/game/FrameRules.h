#pragma once
// The rules of one frame, from input to the frame's value. The window's
// events arrive between the two halves, as they always have: the clock-driven
// updates come before them, the player's moves and the pictures after.

#include "game/BeerField.h"
#include "game/Camera.h"
#include "game/CarriedBag.h"
#include "game/CoinField.h"
#include "game/FrameScene.h"
#include "game/GameState.h"
#include "game/Input.h"

#include <vector>

namespace tavernrush {

class FrameRules {
public:
    // `aspect` is the configured window's width over height.
    FrameRules(float aspect, std::vector<glm::vec3> unicornPositions);

    // The clock reading the first frame's time is measured from.
    void startClock(double now) { state_.lastFrameTime = now; }

    // Camera, timers and the fields' drift.
    void beginFrame(const InputSource& input);
    // Pickups, moves, ladder, jump and pictures; returns the frame's value.
    // The caller may still add the events of what it did with it.
    FrameScene& finishFrame(const InputSource& input);
    // The next frame's time, capped against stalls.
    void takeFrameTime(double now);

    // The wheel: forward narrows the view.
    void zoom(double yoffset);

    const FrameScene& scene() const { return scene_; }
    const GameState& state() const { return state_; }
    GameState& state() { return state_; }
    const CameraState& camera() const { return camera_; }
    CameraState& camera() { return camera_; }
    const CoinField& coinField() const { return coinField_; }
    CoinField& coinField() { return coinField_; }
    const BeerField& beerField() const { return beerField_; }
    BeerField& beerField() { return beerField_; }
    const std::vector<glm::vec3>& unicornPositions() const { return unicornPositions_; }
    const CarriedBag& carriedBag() const { return bag_; }

private:
    FrameView currentView() const;
    void show(Picture picture, bool hungWithLevel);
    void pictureRules(const InputSource& input);
    void restart();
    void addPictureEvents();

    GameState state_;
    CameraState camera_;
    CoinField coinField_;
    BeerField beerField_;
    std::vector<glm::vec3> unicornPositions_;
    CarriedBag bag_;
    FrameScene scene_;

    FrameView lastView_;
    float timerAtStart_ = 0.0f;
    bool f10WasHeld_ = false;
    bool cWasHeld_ = false;
    // A restart shows zero on the counters from the next frame on.
    bool countersReset_ = false;
    // Which pictures were up in the last frame, indexed by Picture.
    std::vector<bool> shownLastFrame_ = std::vector<bool>(pictureCount, false);
};

} // namespace tavernrush
