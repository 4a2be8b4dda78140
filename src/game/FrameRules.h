#pragma once
// The rules of one frame, from input to the frame's value. The window's
// events arrive between the two halves, as they always have: the clock-driven
// updates come before them, the player's moves and the pictures after.

#include "game/BeerField.h"
#include "game/Camera.h"
#include "game/CarriedBag.h"
#include "game/CoinField.h"
#include "game/FrameScene.h"
#include "game/MenuCommand.h"
#include "game/GameState.h"
#include "game/GhostRun.h"
#include "game/Input.h"
#include "game/LevelDescription.h"

#include <optional>
#include <vector>

namespace tavernrush {

class FrameRules {
public:
    // `aspect` is the configured window's width over height. The level is
    // kept by reference and must outlive the rules. The unicorns stand where
    // the level's seed puts them, unless a test places them itself.
    FrameRules(float aspect, const LevelDescription& level);
    FrameRules(float aspect, const LevelDescription& level, std::vector<glm::vec3> unicornPositions);

    // The clock reading the first frame's time is measured from.
    void startClock(double now) { state_.lastFrameTime = now; }

    // Camera, timers and the fields' drift.
    void beginFrame(const InputSource& input);
    // Pickups, moves, ladder, jump and pictures; returns the frame's value.
    // The caller may still add the events of what it did with it.
    FrameScene& finishFrame(const InputSource& input);
    // The next frame's time, capped against stalls.
    void takeFrameTime(double now);

    // The wheel: forward narrows the view (not while paused).
    void zoom(double yoffset);

    // The fastest win so far, in tenths of a second, from the player's records.
    void setBestTime(std::optional<int> bestTenths) { bestTenths_ = bestTenths; }
    bool paused() const { return paused_; }
    // The level's best win to race, walking with the run's timer while
    // shown (G turns it on and off).
    void setGhost(GhostRun ghost, bool shown)
    {
        ghost_ = std::move(ghost);
        ghostShown_ = shown;
    }

    // The title: the level stands, the countdown with it, while the camera
    // drifts round the plaza; startPlay() starts the rules from there.
    void showTitle();
    void startPlay();
    bool onTitle() const { return onTitle_; }
    // The pause menu's choices: play on, or play on from the start.
    void resume();
    void restartAndResume();
    // While a menu below the pause menu is up, the pause key is the menu's
    // (it may be the key being bound) and does not end the pause.
    void setPauseKeyTaken(bool taken);
    // The same, named: what a kept run plays again of the menus.
    void apply(MenuCommand command);
    // Those made since the frame began, in order.
    const std::vector<MenuCommand>& menuCommands() const { return menuCommands_; }

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
    const LevelDescription& level() const { return level_; }

private:
    FrameView currentView() const;
    void show(Picture picture, bool hungWithLevel);
    void pictureRules(const InputSource& input);
    void restart();
    void addPictureEvents();
    void updatePause(const InputSource& input);
    void titleCamera();
    // The title's frame: the level as it stands, seen from the title's camera.
    void titleFrame(const InputSource& input);
    // Full screen and the screenshot: they act even while the game is paused.
    void windowRequests(const InputSource& input);
    void recordWin();
    // The frame's draw items, from the fields above, in drawing order.
    void listItems();

    const LevelDescription& level_;
    GameState state_;
    CameraState camera_;
    CoinField coinField_;
    BeerField beerField_;
    std::vector<glm::vec3> unicornPositions_;
    CarriedBag bag_;
    FrameScene scene_;

    // Where the level's fixed things stand.
    glm::mat4 wallPlacement_{1.0f};
    glm::mat4 ladderPlacement_{1.0f};
    glm::mat4 hutPlacement_{1.0f};
    glm::mat4 boardPlacement_{1.0f};

    FrameView lastView_;
    float timerAtStart_ = 0.0f;
    // Keys that act once per press remember whether they were held.
    bool fullscreenWasHeld_ = false;
    bool restartWasHeld_ = false;
    bool pauseWasHeld_ = false;
    bool muteWasHeld_ = false;
    bool screenshotWasHeld_ = false;
    bool ghostWasHeld_ = false;
    GhostRun ghost_;
    bool ghostShown_ = false;
    bool paused_ = false;
    bool onTitle_ = false;
    bool pauseKeyTaken_ = false;
    std::vector<MenuCommand> menuCommands_;
    bool restartRequested_ = false;
    bool playStarting_ = false;
    // Seconds the title has been up, which set where its camera stands.
    float titleSeconds_ = 0.0f;
    float aspect_ = 1.0f;
    std::optional<int> bestTenths_;
    // This game's win, shown with the win picture until a restart.
    std::optional<WinTime> winTime_;
    // A restart shows zero on the counters from the next frame on.
    bool countersReset_ = false;
    // Which pictures were up in the last frame, indexed by Picture.
    std::vector<bool> shownLastFrame_ = std::vector<bool>(pictureCount, false);
};

} // namespace tavernrush
