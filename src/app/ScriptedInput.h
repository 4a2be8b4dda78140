#pragma once
// The keyboard, mouse, gamepad and window focus as a replay script describes
// them, frame by frame. Keys reach the game through [controls] like real
// ones, so a script presses keys, not actions.

#include "app/Controls.h"
#include "game/Input.h"
#include "app/ReplayScript.h"
#include "app/SteppedClock.h"

#include <utility>

namespace tavernrush {

class ScriptedInput : public InputSource {
public:
    explicit ScriptedInput(ReplayScript script, Controls controls = {})
        : script_(std::move(script)), controls_(controls)
    {
    }

    // The keys of the settings the run started with.
    void bindControls(const Controls& controls) { controls_ = controls; }

    // The frame whose input is read from now on.
    void setFrame(long frame) { frame_ = frame; }
    long frame() const { return frame_; }

    bool isKeyHeld(Action action) const override;
    bool isButtonHeld(MouseButton button) const override;
    // A real cursor stays where it was last moved: the position of the latest
    // frame at or before this one that a cursor line covers (a later line wins
    // within a frame), or (0, 0) before any.
    glm::dvec2 cursorPosition() const override;
    // Axes follow the last line covering this frame and rest outside them.
    GamepadState gamepad() const override;
    // As the latest focus line at or before this frame says; focused before any.
    bool hasFocus() const override;
    bool isKeyCodeHeld(int code) const override;
    // A script with any pad line plays with a pad connected.
    bool hasGamepad() const override { return !script_.padButtons.empty() || !script_.padAxes.empty(); }

    const ReplayScript& script() const { return script_; }

private:
    ReplayScript script_;
    Controls controls_;
    long frame_ = 0;
};

// Before scripted frame `frame` runs: the input and the clock move to it, and
// the wheel's steps of that frame go to `wheel`.
void startScriptedFrame(long frame, ScriptedInput& input, SteppedClock& clock, InputEvents& wheel);

} // namespace tavernrush
