#include "app/ScriptedInput.h"

#include <algorithm>

namespace tavernrush {

bool ScriptedInput::isKeyHeld(Action action) const
{
    if (script_.run) {
        const std::uint32_t* held = valueAt(script_.run->actions, frame_);
        if (held != nullptr && (*held & (1U << static_cast<int>(action))) != 0) {
            return true;
        }
    }
    const int key = controls_.keyFor(action);
    return std::any_of(script_.keys.begin(), script_.keys.end(),
                       [&](const KeyHold& hold) { return hold.key == key && hold.frames.contains(frame_); });
}

bool ScriptedInput::isKeyCodeHeld(int code) const
{
    return std::any_of(script_.keys.begin(), script_.keys.end(),
                       [&](const KeyHold& hold) { return hold.key == code && hold.frames.contains(frame_); });
}

bool ScriptedInput::isButtonHeld(MouseButton button) const
{
    if (script_.run) {
        const std::uint32_t* held = valueAt(script_.run->mouse, frame_);
        if (held != nullptr && (*held & (button == MouseButton::Left ? 1U : 2U)) != 0) {
            return true;
        }
    }
    return std::any_of(script_.buttons.begin(), script_.buttons.end(), [&](const ButtonHold& hold) {
        return hold.button == button && hold.frames.contains(frame_);
    });
}

glm::dvec2 ScriptedInput::cursorPosition() const
{
    if (script_.run && script_.cursor.empty()) {
        const glm::dvec2* recorded = valueAt(script_.run->pointer, frame_);
        return recorded != nullptr ? *recorded : glm::dvec2(0.0);
    }
    glm::dvec2 position{0.0};
    long latestFrame = -1;
    for (const CursorPlacement& placement : script_.cursor) {
        if (placement.frames.first > frame_) {
            continue;
        }
        // The last frame of this line the replay has reached so far.
        const long reached = std::min(placement.frames.last, frame_);
        if (reached >= latestFrame) {
            latestFrame = reached;
            position = placement.position;
        }
    }
    return position;
}

GamepadState ScriptedInput::gamepad() const
{
    GamepadState pad;
    if (script_.run) {
        if (const GamepadState* recorded = valueAt(script_.run->gamepad, frame_)) {
            pad = *recorded;
        }
    }
    for (const PadButtonHold& hold : script_.padButtons) {
        if (hold.frames.contains(frame_)) {
            pad.buttons[static_cast<std::size_t>(hold.button)] = true;
        }
    }
    for (const PadAxisPlacement& placement : script_.padAxes) {
        if (placement.frames.contains(frame_)) {
            pad.axes[static_cast<std::size_t>(placement.axis)] = placement.value;
        }
    }
    return pad;
}

bool ScriptedInput::hasFocus() const
{
    bool focused = true;
    long latest = -1;
    for (const FocusChange& change : script_.focus) {
        if (change.frame <= frame_ && change.frame >= latest) {
            latest = change.frame;
            focused = change.focused;
        }
    }
    return focused;
}

void startScriptedFrame(long frame, ScriptedInput& input, SteppedClock& clock, InputEvents& wheel)
{
    input.setFrame(frame);
    clock.beginFrame(frame);
    for (const ScrollEvent& scroll : input.script().scrolls) {
        if (scroll.frame == frame) {
            wheel.onScroll(scroll.yoffset);
        }
    }
}

} // namespace tavernrush
