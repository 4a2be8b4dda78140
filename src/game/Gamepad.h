#pragma once
// A gamepad as GLFW's gamepad mappings present it: fifteen buttons and six
// axes in GLFW's order, whatever the make of the pad. The rules read it
// through the actions (Input.h) and the camera's pad controls below.

#include "game/Action.h"

#include <glm/glm.hpp>

#include <array>
#include <optional>
#include <string_view>

namespace tavernrush {

// In GLFW's order (GLFW_GAMEPAD_BUTTON_A ... GLFW_GAMEPAD_BUTTON_DPAD_LEFT).
enum class PadButton {
    A,
    B,
    X,
    Y,
    LeftBumper,
    RightBumper,
    Back,
    Start,
    Guide,
    LeftThumb,
    RightThumb,
    DpadUp,
    DpadRight,
    DpadDown,
    DpadLeft,
};
inline constexpr int padButtonCount = 15;

// In GLFW's order (GLFW_GAMEPAD_AXIS_LEFT_X ... GLFW_GAMEPAD_AXIS_RIGHT_TRIGGER).
enum class PadAxis { LeftX, LeftY, RightX, RightY, LeftTrigger, RightTrigger };
inline constexpr int padAxisCount = 6;

struct GamepadState {
    std::array<bool, padButtonCount> buttons{};
    // Sticks from -1 to 1, with y positive downwards as GLFW reports it;
    // triggers from -1 (released) to 1 (pulled all the way).
    std::array<float, padAxisCount> axes{0.0f, 0.0f, 0.0f, 0.0f, -1.0f, -1.0f};

    bool held(PadButton button) const { return buttons[static_cast<std::size_t>(button)]; }
    float axis(PadAxis which) const { return axes[static_cast<std::size_t>(which)]; }
};

// Sticks rarely rest at exactly 0; below this deflection they count as still.
inline constexpr float padDeadZone = 0.2f;
// The right stick pushed all the way orbits the camera this fast.
inline constexpr float padOrbitRadiansPerSecond = 1.5707964f;
// A trigger pulled all the way zooms this many degrees of view per second.
inline constexpr float padZoomDegreesPerSecond = 30.0f;

// 0 within the dead zone, rising evenly to 1 at full deflection; the sign
// of the deflection is kept.
float pastDeadZone(float deflection);

// The pad's share of an action, 0 to 1: the left stick and the d-pad walk and
// turn, A jumps, B dismisses, Start pauses, Back restarts.
float padActionAmount(const GamepadState& pad, Action action);

// What the pad does to the camera this frame, as shares of full speed: the
// right stick orbits (x to the right, y downwards, like a mouse drag), the
// right trigger zooms in and the left one out.
struct PadCamera {
    glm::vec2 orbit{0.0f};
    float zoomIn = 0.0f;
};
PadCamera padCamera(const GamepadState& pad);

// GLFW's names: "a", "b", "start", "dpad_up", ... and "left_x", "left_y",
// "right_x", "right_y", "left_trigger", "right_trigger".
std::optional<PadButton> padButtonNamed(std::string_view name);
std::optional<PadAxis> padAxisNamed(std::string_view name);
std::string_view padButtonName(PadButton button);
std::string_view padAxisName(PadAxis axis);

} // namespace tavernrush
