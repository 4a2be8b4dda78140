#pragma once
// What the frame loop asks of the keyboard, mouse and clock. The game reads
// them from GLFW; tests and the replay tool from a script, so the real loop
// runs deterministically without a person at the keys.

#include <glm/glm.hpp>

namespace tavernrush {

enum class Key { Up, Down, Left, Right, Space, F10, H, D, N, F, C };
enum class MouseButton { Left, Right };

// Level-triggered state, polled once per frame.
class InputSource {
public:
    virtual ~InputSource() = default;
    virtual bool isKeyHeld(Key key) const = 0;
    virtual bool isButtonHeld(MouseButton button) const = 0;
    virtual glm::dvec2 cursorPosition() const = 0;
};

// The two inputs that arrive as events rather than by polling.
class InputEvents {
public:
    virtual ~InputEvents() = default;
    virtual void onScroll(double yoffset) = 0;
    virtual void onEscapeReleased() = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    // Seconds since some fixed start.
    virtual double now() = 0;
};

} // namespace tavernrush
