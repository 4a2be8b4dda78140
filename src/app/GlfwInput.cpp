#include "app/GlfwInput.h"

namespace tavernrush {
namespace {

int glfwKeyCode(Key key)
{
    switch (key) {
    case Key::Up: return GLFW_KEY_UP;
    case Key::Down: return GLFW_KEY_DOWN;
    case Key::Left: return GLFW_KEY_LEFT;
    case Key::Right: return GLFW_KEY_RIGHT;
    case Key::Space: return GLFW_KEY_SPACE;
    case Key::F10: return GLFW_KEY_F10;
    case Key::H: return GLFW_KEY_H;
    case Key::D: return GLFW_KEY_D;
    case Key::N: return GLFW_KEY_N;
    case Key::F: return GLFW_KEY_F;
    case Key::C: return GLFW_KEY_C;
    case Key::M: return GLFW_KEY_M;
    }
    return GLFW_KEY_UNKNOWN;
}

InputEvents* eventsOf(GLFWwindow* window) { return static_cast<InputEvents*>(glfwGetWindowUserPointer(window)); }

void onKey(GLFWwindow* window, int key, int /*scancode*/, int action, int /*mods*/)
{
    // Quitting on release, not press, so the key-up does not reach whatever
    // window is under the game once it has closed.
    if (key == GLFW_KEY_ESCAPE && action == GLFW_RELEASE) {
        glfwSetWindowShouldClose(window, GLFW_TRUE);
    }
}

void onScroll(GLFWwindow* window, double /*xoffset*/, double yoffset)
{
    if (InputEvents* events = eventsOf(window)) {
        events->onScroll(yoffset);
    }
}

} // namespace

bool GlfwInput::isKeyHeld(Key key) const { return glfwGetKey(window_, glfwKeyCode(key)) == GLFW_PRESS; }

bool GlfwInput::isButtonHeld(MouseButton button) const
{
    const int code = button == MouseButton::Left ? GLFW_MOUSE_BUTTON_LEFT : GLFW_MOUSE_BUTTON_RIGHT;
    return glfwGetMouseButton(window_, code) == GLFW_PRESS;
}

glm::dvec2 GlfwInput::cursorPosition() const
{
    glm::dvec2 position{0.0};
    glfwGetCursorPos(window_, &position.x, &position.y);
    return position;
}

void connectEscapeKey(GLFWwindow* window) { glfwSetKeyCallback(window, onKey); }

void connectScrollWheel(GLFWwindow* window, InputEvents& events)
{
    glfwSetWindowUserPointer(window, &events);
    glfwSetScrollCallback(window, onScroll);
}

} // namespace tavernrush
