#include "game/FrameRules.h"

#include "game/Pictures.h"
#include "game/Player.h"
#include "game/UnicornHerd.h"

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

void FrameRules::beginFrame(const InputSource& input)
{
    scene_.coins.clear();
    scene_.beers.clear();
    scene_.pictures.clear();
    scene_.events.clear();
    scene_.animationPicture.reset();
    scene_.coinCounterPicture.reset();
    scene_.beerCounterPicture.reset();
    scene_.bag.reset();
    scene_.fullscreenRequested = false;

    const float deltaTime = state_.deltaTime;
    timerAtStart_ = state_.gameTimer;
    updateCamera(camera_, input, state_.player.playerModel);
    advanceTimers(state_);
    coinField_.update(deltaTime);
    beerField_.update(deltaTime);

    scene_.brightnessChange = 0.0f;
    if (input.isKeyHeld(Key::H)) {
        scene_.brightnessChange += brightnessStepPerFrame;
    }
    if (input.isKeyHeld(Key::D)) {
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
    const bool cHeld = input.isKeyHeld(Key::C);
    if (cHeld) {
        restart();
        if (!cWasHeld_) {
            scene_.events.push_back({FrameEventKind::Restart, position});
        }
    }
    cWasHeld_ = cHeld;
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
    PlayerState& player = state_.player;
    const float deltaTime = state_.deltaTime;

    scene_.view = currentView();
    scene_.coinView = lastView_;
    scene_.playerModel = player.playerModel;
    scene_.drawPlayer = !state_.screenShown;
    scene_.plainWall = input.isKeyHeld(Key::N);
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
    }

    scene_.unicorns = unicornPositions_;
    if (!state_.screenShown) {
        unicornPositions_ = driftUnicorns(std::move(unicornPositions_), deltaTime);
    }

    if (toiletInReach(player.playerPosition)) {
        show(Picture::Toilet, true);
    }
    if (input.isKeyHeld(Key::F)) {
        state_.screenShown = false;
    }

    if (const auto number = advanceFrameAnimation(state_.frameAnimTimer, state_.frameAnimIndex)) {
        scene_.animationPicture = animationFramePath(*number);
    }
    scene_.coinCounterPicture = coinDigitPath(coinField_.collected);
    scene_.beerCounterPicture = beerDigitPath(beerField_.collected);
    if (countersReset_) {
        if (!scene_.coinCounterPicture) {
            scene_.coinCounterPicture = coinZeroPath;
        }
        if (!scene_.beerCounterPicture) {
            scene_.beerCounterPicture = beerZeroPath;
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

    // Once per press: holding F10 must not flip the window every frame.
    const bool f10Held = input.isKeyHeld(Key::F10);
    scene_.fullscreenRequested = f10Held && !f10WasHeld_ && !state_.screenShown;
    f10WasHeld_ = f10Held;

    if (!state_.screenShown) {
        walkAndTurn(player, input, deltaTime);
    }
    const float cooldownBefore = player.jumpCooldown;
    const float heightBefore = player.playerPosition.y;
    jumpAndFall(player, input.isKeyHeld(Key::Space), deltaTime);
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

    lastView_ = currentView();
    beerField_.update(deltaTime);
    return scene_;
}

void FrameRules::takeFrameTime(double now) { tavernrush::takeFrameTime(state_, now); }

void FrameRules::zoom(double yoffset) { zoomCamera(camera_, yoffset); }

} // namespace tavernrush
