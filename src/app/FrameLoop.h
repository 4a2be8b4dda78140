#pragma once
// The frame loop: input, rules, the frame's value drawn and handed to its
// listeners, the window swapped.

#include "game/SceneRenderer.h"
#include "app/Menus.h"
#include "app/RunRecord.h"
#include "app/Settings.h"
#include "app/WindowControl.h"
#include "game/FrameRules.h"
#include "game/Input.h"

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

// Reacts to each frame once its image is drawn, before it is swapped in:
// the player's records, screenshots and sound read the frame's value here.
class FrameListener {
public:
    virtual ~FrameListener() = default;
    virtual void frameShown(const FrameScene& scene) = 0;
};

struct FrameLoopParts {
    const Settings& settings;
    WindowControl& window;
    const InputSource& input;
    Clock& clock;
    SceneRenderer& renderer;
    FrameRules& rules;
    // The title, pause menu and options; none runs the level alone, with the
    // PAUSED board while paused.
    Menus* menus = nullptr;
    // Or what the menus of a kept run did to its rules, played again in
    // the same place.
    const std::vector<FromFrame<MenuCommand>>* recordedMenus = nullptr;
};

class FrameLoop : public InputEvents {
public:
    explicit FrameLoop(FrameLoopParts parts);

    // Runs frames until the window is asked to close.
    void run(FrameObserver* observer = nullptr);
    void runFrame();

    // `listener` hears every frame from now on; it must outlive the loop's run.
    void listen(FrameListener& listener) { listeners_.push_back(&listener); }

    void onScroll(double yoffset) override;
    void onEscapeReleased() override;
    void onKeyPressed(int code) override;

    const FrameRules& rules() const { return rules_; }
    FrameRules& rules() { return rules_; }
    // The value of the last frame run.
    const FrameScene& scene() const { return rules_.scene(); }
    bool isFullscreen() const { return isFullscreen_; }
    // Frames completed so far; the frame being run has this number.
    long frameNumber() const { return frameNumber_; }
    // The frame time the last frame ran with (the rules already hold the next).
    float frameDeltaTime() const { return frameDeltaTime_; }

private:
    void toggleFullscreen(FrameScene& scene);
    void playRecordedMenus();

    const Settings& settings_;
    WindowControl& window_;
    const InputSource& input_;
    Clock& clock_;
    SceneRenderer& renderer_;
    FrameRules& rules_;
    Menus* menus_;
    const std::vector<FromFrame<MenuCommand>>* recordedMenus_;
    std::size_t nextRecordedMenu_ = 0;
    std::vector<FrameListener*> listeners_;
    bool isFullscreen_ = false;
    long frameNumber_ = 0;
    float frameDeltaTime_ = 0.0f;
};

} // namespace tavernrush
