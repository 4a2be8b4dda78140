#include "app/FrameLoop.h"

namespace tavernrush {

FrameLoop::FrameLoop(FrameLoopParts parts)
    : settings_(parts.settings),
      window_(parts.window),
      input_(parts.input),
      clock_(parts.clock),
      renderer_(parts.renderer),
      rules_(parts.rules),
      menus_(parts.menus),
      recordedMenus_(parts.recordedMenus),
      // A window created full screen from the settings starts out as such,
      // so the first F10 leaves full screen instead of re-entering it.
      isFullscreen_(parts.settings.fullscreen)
{
    rules_.startClock(clock_.now());
    if (menus_ != nullptr) {
        menus_->start(rules_);
    }
    if (recordedMenus_ != nullptr && !recordedMenus_->empty() && recordedMenus_->front().frame == 0 &&
        recordedMenus_->front().value == MenuCommand::Title) {
        rules_.apply(MenuCommand::Title);
        nextRecordedMenu_ = 1;
    }
}

void FrameLoop::playRecordedMenus()
{
    while (recordedMenus_ != nullptr && nextRecordedMenu_ < recordedMenus_->size() &&
           (*recordedMenus_)[nextRecordedMenu_].frame <= frameNumber_) {
        const FromFrame<MenuCommand>& entry = (*recordedMenus_)[nextRecordedMenu_++];
        if (entry.frame == frameNumber_) {
            rules_.apply(entry.value);
        }
    }
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

void FrameLoop::toggleFullscreen(FrameScene& scene)
{
    if (isFullscreen_) {
        window_.leaveFullscreen(settings_.width, settings_.height);
        isFullscreen_ = false;
    } else if (window_.enterFullscreen()) {
        isFullscreen_ = true;
    } else {
        return;
    }
    scene.events.push_back({FrameEventKind::FullscreenToggled, rules_.state().player.playerPosition});
}

void FrameLoop::runFrame()
{
    const float deltaTime = rules_.state().deltaTime;
    rules_.beginFrame(input_);
    window_.pollEvents();
    FrameScene& scene = rules_.finishFrame(input_);
    if (menus_ != nullptr) {
        menus_->frame(input_, rules_, scene, window_, isFullscreen_);
    }
    playRecordedMenus();
    if (scene.fullscreenRequested) {
        toggleFullscreen(scene);
    }
    renderer_.draw(scene);
    renderer_.present(window_.framebufferSize());
    for (FrameListener* listener : listeners_) {
        listener->frameShown(scene);
    }
    frameDeltaTime_ = deltaTime;
    rules_.takeFrameTime(clock_.now());
}

void FrameLoop::onScroll(double yoffset) { rules_.zoom(yoffset); }

void FrameLoop::onKeyPressed(int code)
{
    if (menus_ != nullptr) {
        menus_->keyTapped(code);
    }
}

void FrameLoop::onEscapeReleased()
{
    // While a key is being bound Escape cancels; it is never a key of its own.
    if (menus_ != nullptr && menus_->cancelRebinding()) {
        return;
    }
    window_.requestClose();
}

} // namespace tavernrush
