#include "game/FrameRules.h"

#include "game/Pictures.h"
#include "game/Player.h"
#include "game/SurfaceBrightness.h"
#include "game/UnicornHerd.h"

#include <glm/gtc/matrix_inverse.hpp>
#include <glm/gtc/matrix_transform.hpp>

#include <cmath>
#include <utility>

namespace tavernrush {
namespace {

// The picture board's centre stands this high.
constexpr float boardCentreHeight = 5.0f;

// The title's camera circles the player's starting place slowly, high
// enough to see the plaza over the wall.
constexpr float titleOrbitRadius = 26.0f;
constexpr float titleOrbitHeight = 11.0f;
constexpr float titleOrbitRadiansPerSecond = 0.08f;
// On the title nobody stands anywhere near a coin or a beer.
constexpr glm::vec3 nobodyNear{1.0e6f, 0.0f, 1.0e6f};

glm::mat4 translation(const glm::vec3& to) { return glm::translate(glm::mat4(1.0f), to); }

// A flat plane stood up: (x, y, z) -> (x, z, -y).
glm::mat4 uprightRotation() { return glm::rotate(glm::mat4(1.0f), 1.5707964f, glm::vec3(-1.0f, 0.0f, 0.0f)); }

// The normal matrix the beers are drawn with (their shape's own, which is
// the identity); the models drawn after them are lit with it.
const glm::mat3& fieldItemNormalMatrix()
{
    static const glm::mat3 matrix = glm::mat3(glm::inverseTranspose(glm::mat4(1.0f)));
    return matrix;
}

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

FrameRules::FrameRules(float aspect, const LevelDescription& level)
    : FrameRules(aspect, level, placeUnicorns(level.unicornCount, level.unicornSeed))
{
}

FrameRules::FrameRules(float aspect, const LevelDescription& level, std::vector<glm::vec3> unicornPositions)
    : level_(level),
      coinField_(level.coins),
      beerField_(level.beers),
      unicornPositions_(std::move(unicornPositions))
{
    state_.player = playerAtStart(level);
    wallPlacement_ = translation(level.wallCentre);
    ladderPlacement_ = translation(level.ladderFoot);
    hutPlacement_ = translation(level.toiletHut);
    // Moved first, then stood up: the centre (x, 0, z) of the flat board ends
    // at (x, height, -z) in the world.
    boardPlacement_ = uprightRotation() * translation(glm::vec3(level.boardCentre.x, 0.0f - level.boardCentre.y,
                                                                 boardCentreHeight));
    scene_.groundAmbient = groundAmbientAtStart;
    scene_.boardAmbient = boardAmbientAtStart;
    scene_.animationPicture = animationFramePath(1);
    scene_.coinCounterPicture = coinZeroPath();
    scene_.beerCounterPicture = beerZeroPath();
    aspect_ = aspect;
    initCamera(camera_, aspect);
    lastView_ = currentView();
    scene_.coins.reserve(coinField_.positions().size());
    scene_.beers.reserve(beerField_.positions().size());
    scene_.pictures.reserve(16);
    scene_.items.reserve(unicornPositions_.size() + 32);
}

FrameView FrameRules::currentView() const
{
    return FrameView{camera_.projectionMatrix, camera_.viewMatrix, camera_.cameraPosition,
                     state_.player.playerPosition};
}

void FrameRules::showTitle()
{
    menuCommands_.push_back(MenuCommand::Title);
    onTitle_ = true;
    titleSeconds_ = 0.0f;
    titleCamera();
}

void FrameRules::startPlay()
{
    menuCommands_.push_back(MenuCommand::Play);
    onTitle_ = false;
    playStarting_ = true;
    const GameState fresh;
    state_.frameAnimTimer = fresh.frameAnimTimer;
    state_.frameAnimIndex = fresh.frameAnimIndex;
    scene_.animationPicture = animationFramePath(1);
    // Play starts behind the figure as a run without a title does.
    initCamera(camera_, aspect_);
    lastView_ = currentView();
}

void FrameRules::resume()
{
    menuCommands_.push_back(MenuCommand::Resume);
    paused_ = false;
    pauseKeyTaken_ = false;
    camera_.firstMouse = true;
}

void FrameRules::restartAndResume()
{
    resume();
    menuCommands_.back() = MenuCommand::Restart;
    restartRequested_ = true;
}

void FrameRules::setPauseKeyTaken(bool taken)
{
    if (taken != pauseKeyTaken_) {
        menuCommands_.push_back(taken ? MenuCommand::PauseKeyTaken : MenuCommand::PauseKeyFree);
        pauseKeyTaken_ = taken;
    }
}

void FrameRules::apply(MenuCommand command)
{
    switch (command) {
    case MenuCommand::Title:
        showTitle();
        break;
    case MenuCommand::Play:
        startPlay();
        break;
    case MenuCommand::Resume:
        resume();
        break;
    case MenuCommand::Restart:
        restartAndResume();
        break;
    case MenuCommand::PauseKeyTaken:
    case MenuCommand::PauseKeyFree:
        setPauseKeyTaken(command == MenuCommand::PauseKeyTaken);
        break;
    }
}

void FrameRules::titleCamera()
{
    const float angle = titleSeconds_ * titleOrbitRadiansPerSecond;
    const glm::vec3 centre = level_.playerStart;
    const glm::vec3 eye =
        centre + glm::vec3(std::sin(angle) * titleOrbitRadius, titleOrbitHeight, std::cos(angle) * titleOrbitRadius);
    camera_.viewMatrix = glm::lookAt(eye, centre + glm::vec3(0.0f, 2.0f, 0.0f), glm::vec3(0.0f, 1.0f, 0.0f));
    camera_.cameraPosition = eye - centre;
}

void FrameRules::updatePause(const InputSource& input)
{
    const bool pausePressed =
        pressedNow(isActionHeld(input, Action::Pause), pauseWasHeld_) && !pauseKeyTaken_;
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
    menuCommands_.clear();
    scene_.events.clear();
    scene_.fullscreenRequested = false;
    scene_.muteToggled = false;
    scene_.screenshotRequested = false;

    if (onTitle_) {
        // Nothing of the game moves, the countdown included; the clock
        // still runs, the camera goes round and the board plays its
        // pictures, from the start again once play starts.
        scene_.paused = false;
        scene_.deltaTime = 0.0f;
        titleSeconds_ += state_.deltaTime;
        state_.frameAnimTimer += state_.deltaTime;
        titleCamera();
        return;
    }
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

    float brightnessChange = 0.0f;
    if (isActionHeld(input, Action::Brighter)) {
        brightnessChange += brightnessStepPerFrame;
    }
    if (isActionHeld(input, Action::Darker)) {
        brightnessChange -= brightnessStepPerFrame;
    }
    scene_.groundAmbient += brightnessChange;
    scene_.boardAmbient += brightnessChange;
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
    if (const auto picture = endPicture(coinField_.collected, beerField_.collected, state_.gameTimer, level_)) {
        show(*picture, false);
    }
    for (int i = unicornsInReach(position, unicornPositions_, level_.unicornReach); i > 0; --i) {
        show(Picture::Unicorn, false);
    }
    const bool restartHeld = isActionHeld(input, Action::Restart) || std::exchange(restartRequested_, false);
    if (pressedNow(restartHeld, restartWasHeld_)) {
        scene_.events.push_back({FrameEventKind::Restart, position});
    }
    if (restartHeld) {
        restart();
    }
    if (toiletInReach(position, level_)) {
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
            where = level_.toiletHut;
        } else if (entry.picture == Picture::Unicorn) {
            for (const glm::vec3& unicorn : unicornPositions_) {
                if (glm::distance(position, unicorn) < level_.unicornReach) {
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
    if (onTitle_) {
        titleFrame(input);
        return scene_;
    }
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
    if (coinsBefore < level_.coinsToWin && coinField_.collected >= level_.coinsToWin) {
        scene_.events.push_back({FrameEventKind::Won, player.playerPosition});
        recordWin();
    }

    scene_.unicorns = unicornPositions_;
    if (!state_.screenShown) {
        unicornPositions_ = driftUnicorns(std::move(unicornPositions_), deltaTime, level_.unicornSeed);
    }

    if (toiletInReach(player.playerPosition, level_)) {
        show(Picture::Toilet, true);
    }
    if (isActionHeld(input, Action::Dismiss)) {
        state_.screenShown = false;
    }

    if (const auto number = advanceFrameAnimation(state_.frameAnimTimer, state_.frameAnimIndex)) {
        scene_.animationPicture = animationFramePath(*number);
    }
    // A count without a picture of its own keeps the last one shown, but a
    // restart shows zero from the frame after it.
    if (const auto coins = coinDigitPath(coinField_.collected)) {
        scene_.coinCounterPicture = *coins;
    } else if (countersReset_) {
        scene_.coinCounterPicture = coinZeroPath();
    }
    if (const auto beers = beerDigitPath(beerField_.collected)) {
        scene_.beerCounterPicture = *beers;
    } else if (countersReset_) {
        scene_.beerCounterPicture = beerZeroPath();
    }
    countersReset_ = false;

    bag_.advance(deltaTime);
    if (!state_.screenShown) {
        scene_.bag = bag_.modelMatrix(player.playerModel);
    }

    const bool wasOnLadderTop = player.onLadderTop;
    applyLadder(player, level_);
    if (player.onLadderTop && !wasOnLadderTop) {
        scene_.events.push_back({FrameEventKind::LadderBoarded, player.playerPosition});
    }

    windowRequests(input);
    scene_.muteToggled = pressedNow(isActionHeld(input, Action::Mute), muteWasHeld_);
    if (pressedNow(isActionHeld(input, Action::Ghost), ghostWasHeld_)) {
        ghostShown_ = !ghostShown_;
    }

    if (!state_.screenShown) {
        walkAndTurn(player, input, deltaTime, level_);
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
    const float limit = level_.timeLimitSeconds;
    if (timerAtStart_ < limit && state_.gameTimer >= limit) {
        scene_.events.push_back({FrameEventKind::TimeUp, player.playerPosition});
    }
    addPictureEvents();

    scene_.countdown.reset();
    if (scene_.pictures.empty()) {
        scene_.countdown = countdownDisplay(state_.gameTimer, limit);
    }
    scene_.winTime.reset();
    for (const ShownPicture& shown : scene_.pictures) {
        if (shown.picture == Picture::Won) {
            scene_.winTime = winTime_;
        }
    }

    scene_.counterTurns.advance(deltaTime);
    listItems();

    lastView_ = currentView();
    beerField_.update(deltaTime);
    return scene_;
}

void FrameRules::titleFrame(const InputSource& input)
{
    windowRequests(input);
    scene_.view = currentView();
    scene_.coinView = scene_.view;
    scene_.playerModel = state_.player.playerModel;
    scene_.drawPlayer = true;
    scene_.coins.clear();
    scene_.beers.clear();
    MatrixList coins(scene_.coins);
    coinField_.drawAndCollect(nobodyNear, coins);
    MatrixList beers(scene_.beers);
    beerField_.drawAndCollect(nobodyNear, beers);
    scene_.unicorns = unicornPositions_;
    scene_.pictures.clear();
    scene_.bag = bag_.modelMatrix(state_.player.playerModel);
    scene_.countdown.reset();
    scene_.winTime.reset();
    if (const auto number = advanceFrameAnimation(state_.frameAnimTimer, state_.frameAnimIndex)) {
        scene_.animationPicture = animationFramePath(*number);
    }
    listItems();
}

void FrameRules::listItems()
{
    std::vector<DrawItem>& items = scene_.items;
    items.clear();
    const auto add = [&items](Drawable what, const glm::mat4& model) -> DrawItem& {
        DrawItem& item = items.emplace_back();
        item.what = what;
        item.model = model;
        return item;
    };
    const auto addModel = [&add](AssetId model, AssetId picture, const glm::mat4& placement) -> DrawItem& {
        DrawItem& item = add(Drawable::Model, placement);
        item.modelAsset = model;
        item.pictureAsset = picture;
        return item;
    };
    if (scene_.drawPlayer) {
        add(Drawable::Figure, scene_.playerModel);
    }
    add(Drawable::Ground, glm::mat4(1.0f));
    add(Drawable::Sky, glm::mat4(1.0f));
    add(scene_.plainWall ? Drawable::PlainBrickWall : Drawable::BrickWall, wallPlacement_);
    // The fields' matrices stand in the frame value once, for every reader.
    add(Drawable::Coins, glm::mat4(1.0f));
    add(Drawable::Beers, glm::mat4(1.0f));
    // The models and the toilet picture hung among them take the surface
    // and normal matrix the beers leave on the lit program.
    const auto litAfterTheBeers = [&](AssetId model, AssetId picture, const glm::mat4& placement) {
        DrawItem& item = addModel(model, picture, placement);
        item.normalMatrix = fieldItemNormalMatrix();
        item.surface = BorrowedSurface::FieldItem;
    };
    for (const glm::vec3& unicorn : scene_.unicorns) {
        litAfterTheBeers(AssetId::UnicornModel, AssetId::UnicornSkin, translation(unicorn));
    }
    litAfterTheBeers(AssetId::LadderModel, AssetId::Grass, ladderPlacement_);
    litAfterTheBeers(AssetId::ToiletHutModel, AssetId::Toilet, hutPlacement_);
    for (const ShownPicture& shown : scene_.pictures) {
        if (shown.hungWithLevel) {
            DrawItem& item = add(Drawable::PictureBoard, shown.boardModel);
            item.picture = shown.picture;
            item.normalMatrix = fieldItemNormalMatrix();
        }
    }
    add(Drawable::AnimationBoard, boardPlacement_);
    add(Drawable::CounterSpheres, glm::mat4(1.0f));
    // The bag and the pictures after the spheres are lit with the coin
    // counter's normal matrix, the last the spheres set, and the bag with
    // their surface.
    const glm::mat3 afterTheSpheres = glm::mat3(glm::inverseTranspose(
        orbitPlacement(coinCounterOrbit, level_.counterOrbitHeight, scene_.counterTurns.coinCounter)));
    if (scene_.bag) {
        DrawItem& item = addModel(AssetId::BagModel, AssetId::Bag, *scene_.bag);
        item.normalMatrix = afterTheSpheres;
        item.surface = BorrowedSurface::CounterSphere;
    }
    for (const ShownPicture& shown : scene_.pictures) {
        if (!shown.hungWithLevel) {
            DrawItem& item = add(Drawable::PictureBoard, shown.boardModel);
            item.picture = shown.picture;
            item.normalMatrix = afterTheSpheres;
        }
    }
    // Last, over everything it stands in front of, so it shows what is behind it.
    if (ghostShown_ && scene_.drawPlayer) {
        if (const std::optional<glm::mat4> ghost = ghost_.placementAt(state_.gameTimer)) {
            add(Drawable::Ghost, *ghost);
        }
    }
}

void FrameRules::takeFrameTime(double now)
{
    tavernrush::takeFrameTime(state_, now);
    if (std::exchange(playStarting_, false)) {
        // The first frame of play takes no time, as the first frame of a
        // run does: play from the title is the same, frame for frame.
        state_.deltaTime = 0.0f;
    }
}

void FrameRules::zoom(double yoffset)
{
    if (!paused_) {
        zoomCamera(camera_, yoffset);
    }
}

} // namespace tavernrush
