#pragma once
// Keyboard, mouse, gamepad, window focus and clock read from GLFW for the
// real game.

#include "app/Controls.h"
#include "game/Input.h"

#include <GLFW/glfw3.h>

#include <iosfwd>

namespace tavernrush {

class GlfwInput : public InputSource {
public:
    // With `followFocus` false the window always counts as focused, so the
    // game never pauses by itself.
    GlfwInput(GLFWwindow* window, const Controls& controls, bool followFocus)
        : window_(window), controls_(controls), followFocus_(followFocus)
    {
    }
    bool isKeyHeld(Action action) const override;
    bool isButtonHeld(MouseButton button) const override;
    glm::dvec2 cursorPosition() const override;
    // The first joystick GLFW has a gamepad mapping for.
    GamepadState gamepad() const override;
    bool hasFocus() const override;
    bool isKeyCodeHeld(int code) const override { return glfwGetKey(window_, code) == GLFW_PRESS; }
    bool hasGamepad() const override;

    // The options menu changed the keys or the pause on focus loss.
    void rebind(const Controls& controls, bool followFocus)
    {
        controls_ = controls;
        followFocus_ = followFocus;
    }

private:
    GLFWwindow* window_;
    Controls controls_;
    bool followFocus_;
};

class GlfwClock : public Clock {
public:
    double now() override { return glfwGetTime(); }
};

// Releasing Escape closes the window; registered early in start-up so the
// player can quit while the level loads.
void connectEscapeKey(GLFWwindow* window);
// Routes the mouse wheel to `events` (the camera zoom) while `events` lives.
void connectScrollWheel(GLFWwindow* window, InputEvents& events);
// Says on `log`, one line each, which gamepads are there now and which come
// and go later; `log` must outlive the windowing library.
void reportGamepads(std::ostream& log);

} // namespace tavernrush
