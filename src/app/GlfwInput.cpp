#include "app/GlfwInput.h"

#include <array>
#include <ostream>
#include <string>

namespace tavernrush {
namespace {

static_assert(GLFW_GAMEPAD_BUTTON_LAST + 1 == padButtonCount && GLFW_GAMEPAD_AXIS_LAST + 1 == padAxisCount,
              "GamepadState follows GLFW's gamepad layout");
static_assert(GLFW_GAMEPAD_BUTTON_START == static_cast<int>(PadButton::Start) &&
                  GLFW_GAMEPAD_BUTTON_DPAD_LEFT == static_cast<int>(PadButton::DpadLeft) &&
                  GLFW_GAMEPAD_AXIS_RIGHT_TRIGGER == static_cast<int>(PadAxis::RightTrigger),
              "PadButton and PadAxis are in GLFW's order");

InputEvents* eventsOf(GLFWwindow* window) { return static_cast<InputEvents*>(glfwGetWindowUserPointer(window)); }

void onKey(GLFWwindow* window, int key, int /*scancode*/, int action, int /*mods*/)
{
    // Quitting on release, not press, so the key-up does not reach whatever
    // window is under the game once it has closed.
    if (action == GLFW_PRESS) {
        if (InputEvents* events = eventsOf(window)) {
            events->onKeyPressed(key);
        }
    }
    if (key == GLFW_KEY_ESCAPE && action == GLFW_RELEASE) {
        // Once the loop runs it decides: a key being rebound is cancelled.
        if (InputEvents* events = eventsOf(window)) {
            events->onEscapeReleased();
        } else {
            glfwSetWindowShouldClose(window, GLFW_TRUE);
        }
    }
}

void onScroll(GLFWwindow* window, double /*xoffset*/, double yoffset)
{
    if (InputEvents* events = eventsOf(window)) {
        events->onScroll(yoffset);
    }
}

// GLFW calls joystick callbacks without a user pointer. A removed pad has no
// name any more, so the names are kept from when each came.
std::ostream* gamepadLog = nullptr;
std::array<std::string, GLFW_JOYSTICK_LAST + 1> gamepadNames;

// Only pads with a mapping count: some laptops show their motion sensor as
// a joystick, which is no gamepad and worth no line.
void reportConnected(int joystick)
{
    if (glfwJoystickIsGamepad(joystick) != GLFW_TRUE) {
        return;
    }
    const char* name = glfwGetGamepadName(joystick);
    std::string& kept = gamepadNames[static_cast<std::size_t>(joystick)];
    kept = name != nullptr && *name != '\0' ? name : "unnamed";
    *gamepadLog << "Gamepad connected: " << kept << std::endl;
}

void onJoystick(int joystick, int event)
{
    if (gamepadLog == nullptr || joystick < 0 || joystick > GLFW_JOYSTICK_LAST) {
        return;
    }
    if (event == GLFW_CONNECTED) {
        reportConnected(joystick);
    } else if (event == GLFW_DISCONNECTED) {
        std::string& name = gamepadNames[static_cast<std::size_t>(joystick)];
        if (!name.empty()) {
            *gamepadLog << "Gamepad removed: " << name << std::endl;
            name.clear();
        }
    }
}

} // namespace

bool GlfwInput::isKeyHeld(Action action) const { return glfwGetKey(window_, controls_.keyFor(action)) == GLFW_PRESS; }

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

GamepadState GlfwInput::gamepad() const
{
    GamepadState pad;
    for (int joystick = GLFW_JOYSTICK_1; joystick <= GLFW_JOYSTICK_LAST; ++joystick) {
        GLFWgamepadstate state;
        if (glfwJoystickIsGamepad(joystick) == GLFW_TRUE && glfwGetGamepadState(joystick, &state) == GLFW_TRUE) {
            for (std::size_t i = 0; i < pad.buttons.size(); ++i) {
                pad.buttons[i] = state.buttons[i] == GLFW_PRESS;
            }
            for (std::size_t i = 0; i < pad.axes.size(); ++i) {
                pad.axes[i] = state.axes[i];
            }
            break;
        }
    }
    return pad;
}

bool GlfwInput::hasGamepad() const
{
    for (int joystick = GLFW_JOYSTICK_1; joystick <= GLFW_JOYSTICK_LAST; ++joystick) {
        if (glfwJoystickIsGamepad(joystick) == GLFW_TRUE) {
            return true;
        }
    }
    return false;
}

bool GlfwInput::hasFocus() const
{
    return !followFocus_ || glfwGetWindowAttrib(window_, GLFW_FOCUSED) == GLFW_TRUE;
}

void connectEscapeKey(GLFWwindow* window) { glfwSetKeyCallback(window, onKey); }

void connectScrollWheel(GLFWwindow* window, InputEvents& events)
{
    glfwSetWindowUserPointer(window, &events);
    glfwSetScrollCallback(window, onScroll);
}

void reportGamepads(std::ostream& log)
{
    gamepadLog = &log;
    for (int joystick = GLFW_JOYSTICK_1; joystick <= GLFW_JOYSTICK_LAST; ++joystick) {
        if (glfwJoystickPresent(joystick) == GLFW_TRUE) {
            reportConnected(joystick);
        }
    }
    glfwSetJoystickCallback(onJoystick);
}

} // namespace tavernrush
