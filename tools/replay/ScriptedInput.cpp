#include "replay/ScriptedInput.h"

#include <algorithm>

namespace tavernrush {

bool ScriptedInput::isKeyHeld(Action action) const
{
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
    return std::any_of(script_.buttons.begin(), script_.buttons.end(), [&](const ButtonHold& hold) {
        return hold.button == button && hold.frames.contains(frame_);
    });
}

glm::dvec2 ScriptedInput::cursorPosition() const
{
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

} // namespace tavernrush
