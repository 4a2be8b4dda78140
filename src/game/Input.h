#pragma once
// What the frame loop asks of the keyboard, mouse, gamepad, window and clock.
// The game reads them from GLFW; tests and the replay tool from a script, so
// the real loop runs deterministically without a person at the keys.

#include "game/Action.h"
#include "game/Gamepad.h"

#include <glm/glm.hpp>

namespace tavernrush {

enum class MouseButton { Left, Right };

// Level-triggered state, polled once per frame.
class InputSource {
public:
    virtual ~InputSource() = default;
    // The key bound to `action` is held.
    virtual bool isKeyHeld(Action action) const = 0;
    virtual bool isButtonHeld(MouseButton button) const = 0;
    virtual glm::dvec2 cursorPosition() const = 0;
    // The first connected gamepad; one at rest where there is none.
    virtual GamepadState gamepad() const { return {}; }
    // A key by its code (GLFW's), whatever action it has, for the menus:
    // Enter, Backspace and the arrows, and the new key of a rebinding.
    virtual bool isKeyCodeHeld(int /*code*/) const { return false; }
    // A gamepad is connected, so the menus name its buttons too.
    virtual bool hasGamepad() const { return false; }
    // The game's window has the keyboard focus.
    virtual bool hasFocus() const { return true; }
};

// How strongly `action` is asked for this frame, 0 to 1: a held key or pad
// button asks fully, a stick by its deflection past the dead zone. Keyboard
// and pad work side by side; the stronger one counts.
float actionAmount(const InputSource& input, Action action);
inline bool isActionHeld(const InputSource& input, Action action) { return actionAmount(input, action) > 0.0f; }

// The inputs that arrive as events rather than by polling.
class InputEvents {
public:
    virtual ~InputEvents() = default;
    virtual void onScroll(double yoffset) = 0;
    virtual void onEscapeReleased() = 0;
    // A key went down (GLFW's code): a tap shorter than a frame still
    // counts in the menus, where polling alone would miss it.
    virtual void onKeyPressed(int /*code*/) {}
};

class Clock {
public:
    virtual ~Clock() = default;
    // Seconds since some fixed start.
    virtual double now() = 0;
};

} // namespace tavernrush
