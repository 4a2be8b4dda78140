#include "app/FrameLoop.h"

#include "game/UnicornHerd.h"

namespace tavernrush {
namespace {

constexpr float brightnessStepPerFrame = 0.002f;

} // namespace

FrameLoop::FrameLoop(FrameLoopParts parts)
    : settings_(parts.settings),
      window_(parts.window),
      input_(parts.input),
      clock_(parts.clock),
      renderer_(parts.renderer),
      camera_(parts.camera),
      coinField_(parts.coinField),
      beerField_(parts.beerField),
      unicornPositions_(std::move(parts.unicornPositions)),
      // A window created full screen from the settings starts out as such,
      // so the first F10 leaves full screen instead of re-entering it.
      isFullscreen_(parts.settings.fullscreen)
{
    state_.lastFrameTime = clock_.now();
    pictures_.reserve(16);
}

void FrameLoop::run(FrameObserver* observer)
{
    while (!window_.shouldClose()) {
        if (observer != nullptr) {
            observer->beforeFrame(*this);
        }
        runFrame();
        if (observer != nullptr) {
            observer->afterFrame(*this);
        }
        window_.swapBuffers();
        ++frameNumber_;
    }
}

FrameView FrameLoop::frameView() const
{
    return FrameView{camera_.projectionMatrix, camera_.viewMatrix, camera_.cameraPosition,
                     state_.player.playerPosition};
}

void FrameLoop::drawPicture(Picture picture)
{
    renderer_.drawPicture(picture, screenBoardModel(state_.player.playerPosition, state_.player.playerHeading));
    pictures_.push_back(picture);
    state_.screenShown = true;
}

void FrameLoop::brightnessKeys()
{
    if (input_.isKeyHeld(Key::H)) {
        renderer_.adjustBrightness(brightnessStepPerFrame);
    }
    if (input_.isKeyHeld(Key::D)) {
        renderer_.adjustBrightness(-brightnessStepPerFrame);
    }
}

// Once per press: holding F10 must not flip the window every frame.
void FrameLoop::toggleFullscreenOnPress()
{
    const bool held = input_.isKeyHeld(Key::F10);
    const bool pressed = held && !f10WasHeld_;
    f10WasHeld_ = held;
    if (!pressed || state_.screenShown) {
        return;
    }
    if (isFullscreen_) {
        window_.leaveFullscreen(settings_.width, settings_.height);
        isFullscreen_ = false;
    } else if (window_.enterFullscreen()) {
        isFullscreen_ = true;
    }
}

void FrameLoop::restart()
{
    state_.screenShown = false;
    coinField_.collected = 0;
    beerField_.collected = 0;
    state_.gameTimer = 0.0f;
    renderer_.showCoinPicture(coinZeroPath);
    renderer_.showBeerPicture(beerZeroPath);
}

void FrameLoop::pictureRules()
{
    renderer_.beginEndPictures();
    if (const auto picture = endPicture(coinField_.collected, beerField_.collected, state_.gameTimer)) {
        drawPicture(*picture);
    }
    for (int i = unicornsInReach(state_.player.playerPosition, unicornPositions_); i > 0; --i) {
        drawPicture(Picture::Unicorn);
    }
    if (input_.isKeyHeld(Key::C)) {
        restart();
    }
    if (toiletInReach(state_.player.playerPosition)) {
        drawPicture(Picture::Toilet);
    }
}

void FrameLoop::runFrame()
{
    pictures_.clear();
    PlayerState& player = state_.player;
    const float deltaTime = state_.deltaTime;

    renderer_.beginFrame();
    updateCamera(camera_, input_, player.playerModel);
    advanceTimers(state_);
    coinField_.update(deltaTime);
    beerField_.update(deltaTime);
    brightnessKeys();
    window_.pollEvents();

    const FrameView view = frameView();
    renderer_.drawShadowPass(view, player.playerModel);
    renderer_.beginScenePass(view, player.playerModel, !state_.screenShown);
    renderer_.drawSky(view);
    renderer_.drawBrickWall(view, input_.isKeyHeld(Key::N));
    renderer_.prepareLitObjects(view);
    coinField_.drawAndCollect(player.playerPosition, renderer_.coinDrawer());
    beerField_.drawAndCollect(player.playerPosition, renderer_.beerDrawer());
    renderer_.drawUnicorns(unicornPositions_);
    if (!state_.screenShown) {
        unicornPositions_ = driftUnicorns(std::move(unicornPositions_), deltaTime);
    }

    renderer_.drawLadderAndToilet();
    if (toiletInReach(player.playerPosition)) {
        drawPicture(Picture::Toilet);
    }
    if (input_.isKeyHeld(Key::F)) {
        state_.screenShown = false;
    }

    if (const auto number = advanceFrameAnimation(state_.frameAnimTimer, state_.frameAnimIndex)) {
        renderer_.showAnimationFrame(animationFramePath(*number));
    }
    renderer_.drawAnimationBoard();
    if (const auto path = coinDigitPath(coinField_.collected)) {
        renderer_.showCoinPicture(*path);
    }
    if (const auto path = beerDigitPath(beerField_.collected)) {
        renderer_.showBeerPicture(*path);
    }
    renderer_.drawCounterSpheres(deltaTime);

    bag_.advance(deltaTime);
    if (!state_.screenShown) {
        renderer_.drawCarriedBag(bag_.modelMatrix(player.playerModel));
    }

    applyLadder(player);
    toggleFullscreenOnPress();
    if (!state_.screenShown) {
        walkAndTurn(player, input_, deltaTime);
    }
    jumpAndFall(player, input_.isKeyHeld(Key::Space), deltaTime);
    pictureRules();
    renderer_.refreshCoinProgram(frameView());
    beerField_.update(deltaTime);

    renderer_.present(window_.framebufferSize());
    frameDeltaTime_ = deltaTime;
    takeFrameTime(state_, clock_.now());
}

void FrameLoop::onScroll(double yoffset) { zoomCamera(camera_, yoffset); }

void FrameLoop::onEscapeReleased() { window_.requestClose(); }

} // namespace tavernrush
