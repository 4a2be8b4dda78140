#include "game/FrameRules.h"

#include "game/Pictures.h"
#include "game/Player.h"
#include "game/UnicornHerd.h"

#include <cmath>

namespace tavernrush {
namespace {

constexpr float brightnessStepPerFrame = 0.002f;

// Hands the fields' matrices to the frame value instead of a GPU.
class MatrixList : public ItemDrawer {
public:
    explicit MatrixList(std::vector<glm::mat4>& out) : out_(out) {}
    void drawItem(const glm::mat4& drawMatrix) override { out_.push_back(drawMatrix); }

private:
    std::vector<glm::mat4>& out_;
};

FrameEventKind eventOf(Picture picture)
{
    switch (picture) {
    case Picture::Toilet: return FrameEventKind::PictureToilet;
    case Picture::Won: return FrameEventKind::PictureWon;
    case Picture::Drunk: return FrameEventKind::PictureDrunk;
    case Picture::TimeUp: return FrameEventKind::PictureTimeUp;
    case Picture::Unicorn: return FrameEventKind::PictureUnicorn;
    }
    return FrameEventKind::PictureToilet;
}

// A press is the first frame a key or button is held.
bool pressedNow(bool held, bool& wasHeld)
{
    const bool pressed = held && !wasHeld;
    wasHeld = held;
    return pressed;
}

} // namespace

FrameRules::FrameRules(float aspect, std::vector<glm::vec3> unicornPositions)
    : unicornPositions_(std::move(unicornPositions))
{
    initCamera(camera_, aspect);
    lastView_ = currentView();
    scene_.coins.reserve(CoinField::coinCount);
    scene_.beers.reserve(BeerField::beerCount);
    scene_.pictures.reserve(16);
}

FrameView FrameRules::currentView() const
{
    return FrameView{camera_.projectionMatrix, camera_.viewMatrix, camera_.cameraPosition,
                     state_.player.playerPosition};
}

void FrameRules::updatePause(const InputSource& input)
{
    const bool pausePressed = pressedNow(isActionHeld(input, Action::Pause), pauseWasHeld_);
    if (!input.hasFocus()) {
        // The player is in another window; back here, P plays on.
        paused_ = true;
    } else if (pausePressed) {
        paused_ = !paused_;
        if (!paused_) {
            // A mouse moved while paused must not swing the camera on the
            // first frame back.
            camera_.firstMouse = true;
        }
    }
}

void FrameRules::beginFrame(const InputSource& input)
{
    scene_.events.clear();
    scene_.animationPicture.reset();
    scene_.coinCounterPicture.reset();
    scene_.beerCounterPicture.reset();
    scene_.fullscreenRequested = false;
    scene_.muteToggled = false;
    scene_.screenshotRequested = false;
    scene_.brightnessChange = 0.0f;

    updatePause(input);
    scene_.paused = paused_;
    if (paused_) {
        // The last frame's value stands: the same view, items, pictures and
        // countdown. Nothing advances (not even the coins' relocation, which
        // counts updates, not seconds), and the counter spheres stop turning.
        // The clock still runs, so the first frame back has an ordinary step.
        scene_.deltaTime = 0.0f;
        return;
    }

    scene_.coins.clear();
    scene_.beers.clear();
    scene_.pictures.clear();
    scene_.bag.reset();

    const float deltaTime = state_.deltaTime;
    timerAtStart_ = state_.gameTimer;
    updateCamera(camera_, input, state_.player.playerModel, deltaTime);
    advanceTimers(state_);
    coinField_.update(deltaTime);
    beerField_.update(deltaTime);

    if (isActionHeld(input, Action::Brighter)) {
        scene_.brightnessChange += brightnessStepPerFrame;
    }
    if (isActionHeld(input, Action::Darker)) {
        scene_.brightnessChange -= brightnessStepPerFrame;
    }
}

void FrameRules::show(Picture picture, bool hungWithLevel)
{
    const PlayerState& player = state_.player;
    scene_.pictures.push_back(
        ShownPicture{picture, screenBoardModel(player.playerPosition, player.playerHeading), hungWithLevel});
    state_.screenShown = true;
}

void FrameRules::restart()
{
    state_.screenShown = false;
    coinField_.collected = 0;
    beerField_.collected = 0;
    state_.gameTimer = 0.0f;
    countersReset_ = true;
    winTime_.reset();
}

void FrameRules::recordWin()
{
    WinTime win;
    win.runTenths = static_cast<int>(std::lround(static_cast<double>(state_.gameTimer) * 10.0));
    win.newBest = !bestTenths_ || win.runTenths < *bestTenths_;
    if (win.newBest) {
        bestTenths_ = win.runTenths;
    }
    win.bestTenths = *bestTenths_;
    winTime_ = win;
}

void FrameRules::windowRequests(const InputSource& input)
{
    // Once per press: holding F10 must not flip the window every frame.
    const bool fullscreenPressed = pressedNow(isActionHeld(input, Action::Fullscreen), fullscreenWasHeld_);
    scene_.fullscreenRequested = fullscreenPressed && !state_.screenShown;
    scene_.screenshotRequested = pressedNow(isActionHeld(input, Action::Screenshot), screenshotWasHeld_);
}

void FrameRules::pictureRules(const InputSource& input)
{
    const glm::vec3& position = state_.player.playerPosition;
    if (const auto picture = endPicture(coinField_.collected, beerField_.collected, state_.gameTimer)) {
        show(*picture, false);
    }
    for (int i = unicornsInReach(position, unicornPositions_); i > 0; --i) {
        show(Picture::Unicorn, false);
    }
    const bool restartHeld = isActionHeld(input, Action::Restart);
    if (pressedNow(restartHeld, restartWasHeld_)) {
        scene_.events.push_back({FrameEventKind::Restart, position});
    }
    if (restartHeld) {
        restart();
    }
    if (toiletInReach(position)) {
        show(Picture::Toilet, false);
    }
}

// A picture sounds and counts as new only in the frame it comes up, not in
// every frame it stays.
void FrameRules::addPictureEvents()
{
    std::vector<bool> shown(pictureCount, false);
    const glm::vec3& position = state_.player.playerPosition;
    for (const ShownPicture& entry : scene_.pictures) {
        const auto index = static_cast<std::size_t>(entry.picture);
        if (shown[index]) {
            continue;
        }
        shown[index] = true;
        if (shownLastFrame_[index]) {
            continue;
        }
        glm::vec3 where = position;
        if (entry.picture == Picture::Toilet) {
            where = toiletPosition;
        } else if (entry.picture == Picture::Unicorn) {
            for (const glm::vec3& unicorn : unicornPositions_) {
                if (glm::distance(position, unicorn) < unicornRadius) {
                    where = unicorn;
                    break;
                }
            }
        }
        scene_.events.push_back({eventOf(entry.picture), where});
    }
    shownLastFrame_ = std::move(shown);
}

FrameScene& FrameRules::finishFrame(const InputSource& input)
{
    if (paused_) {
        windowRequests(input);
        return scene_;
    }
    PlayerState& player = state_.player;
    const float deltaTime = state_.deltaTime;

    scene_.view = currentView();
    scene_.coinView = lastView_;
    scene_.playerModel = player.playerModel;
    scene_.drawPlayer = !state_.screenShown;
    scene_.plainWall = isActionHeld(input, Action::PlainWall);
    scene_.deltaTime = deltaTime;

    const int coinsBefore = coinField_.collected;
    MatrixList coins(scene_.coins);
    if (coinField_.drawAndCollect(player.playerPosition, coins)) {
        scene_.events.push_back({FrameEventKind::CoinCollected, player.playerPosition});
    }
    const int beersBefore = beerField_.collected;
    MatrixList beers(scene_.beers);
    beerField_.drawAndCollect(player.playerPosition, beers);
    for (int i = beersBefore; i < beerField_.collected; ++i) {
        scene_.events.push_back({FrameEventKind::BeerDrunk, player.playerPosition});
    }
    if (coinsBefore < coinsToWin && coinField_.collected >= coinsToWin) {
        scene_.events.push_back({FrameEventKind::Won, player.playerPosition});
        recordWin();
    }

    scene_.unicorns = unicornPositions_;
    if (!state_.screenShown) {
        unicornPositions_ = driftUnicorns(std::move(unicornPositions_), deltaTime);
    }

    if (toiletInReach(player.playerPosition)) {
        show(Picture::Toilet, true);
    }
    if (isActionHeld(input, Action::Dismiss)) {
        state_.screenShown = false;
    }

    if (const auto number = advanceFrameAnimation(state_.frameAnimTimer, state_.frameAnimIndex)) {
        scene_.animationPicture = animationFramePath(*number);
    }
    scene_.coinCounterPicture = coinDigitPath(coinField_.collected);
    scene_.beerCounterPicture = beerDigitPath(beerField_.collected);
    if (countersReset_) {
        if (!scene_.coinCounterPicture) {
            scene_.coinCounterPicture = coinZeroPath();
        }
        if (!scene_.beerCounterPicture) {
            scene_.beerCounterPicture = beerZeroPath();
        }
        countersReset_ = false;
    }

    bag_.advance(deltaTime);
    if (!state_.screenShown) {
        scene_.bag = bag_.modelMatrix(player.playerModel);
    }

    const bool wasOnLadderTop = player.onLadderTop;
    applyLadder(player);
    if (player.onLadderTop && !wasOnLadderTop) {
        scene_.events.push_back({FrameEventKind::LadderBoarded, player.playerPosition});
    }

    windowRequests(input);
    scene_.muteToggled = pressedNow(isActionHeld(input, Action::Mute), muteWasHeld_);

    if (!state_.screenShown) {
        walkAndTurn(player, input, deltaTime);
    }
    const float cooldownBefore = player.jumpCooldown;
    const float heightBefore = player.playerPosition.y;
    jumpAndFall(player, isActionHeld(input, Action::Jump), deltaTime);
    if (player.jumpCooldown != cooldownBefore) {
        scene_.events.push_back({FrameEventKind::JumpStarted, player.playerPosition});
    }
    if (heightBefore > 0.0f && player.playerPosition.y <= 0.0f) {
        scene_.events.push_back({FrameEventKind::Landed, player.playerPosition});
    }

    pictureRules(input);
    if (timerAtStart_ < gameSeconds && state_.gameTimer >= gameSeconds) {
        scene_.events.push_back({FrameEventKind::TimeUp, player.playerPosition});
    }
    addPictureEvents();

    scene_.countdown.reset();
    if (scene_.pictures.empty()) {
        scene_.countdown = countdownDisplay(state_.gameTimer);
    }
    scene_.winTime.reset();
    for (const ShownPicture& shown : scene_.pictures) {
        if (shown.picture == Picture::Won) {
            scene_.winTime = winTime_;
        }
    }

    lastView_ = currentView();
    beerField_.update(deltaTime);
    return scene_;
}

void FrameRules::takeFrameTime(double now) { tavernrush::takeFrameTime(state_, now); }

void FrameRules::zoom(double yoffset)
{
    if (!paused_) {
        zoomCamera(camera_, yoffset);
    }
}

} // namespace tavernrush
