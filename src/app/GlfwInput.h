#pragma once
// Keyboard, mouse and clock read from GLFW for the real game.

#include "game/Input.h"

#include <GLFW/glfw3.h>

namespace tavernrush {

class GlfwInput : public InputSource {
public:
    explicit GlfwInput(GLFWwindow* window) : window_(window) {}
    bool isKeyHeld(Key key) const override;
    bool isButtonHeld(MouseButton button) const override;
    glm::dvec2 cursorPosition() const override;

private:
    GLFWwindow* window_;
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

} // namespace tavernrush
