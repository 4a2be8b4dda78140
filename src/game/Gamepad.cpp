#include "game/Gamepad.h"

#include "game/Input.h"

#include <algorithm>
#include <cmath>

namespace tavernrush {
namespace {

constexpr std::array<std::string_view, padButtonCount> buttonNames = {
    "a",           "b",         "x",          "y",       "left_bumper", "right_bumper", "back",    "start",
    "guide",       "left_thumb", "right_thumb", "dpad_up", "dpad_right",  "dpad_down",    "dpad_left",
};

constexpr std::array<std::string_view, padAxisCount> axisNames = {
    "left_x", "left_y", "right_x", "right_y", "left_trigger", "right_trigger",
};

template <typename Enum, std::size_t count>
std::optional<Enum> named(const std::array<std::string_view, count>& names, std::string_view name)
{
    for (std::size_t i = 0; i < count; ++i) {
        if (names[i] == name) {
            return static_cast<Enum>(i);
        }
    }
    return std::nullopt;
}

// A stick direction's share: how far it is pushed that way, or the d-pad.
float stickOrButton(float towards, bool button) { return button ? 1.0f : std::max(pastDeadZone(towards), 0.0f); }

// Triggers rest at -1; the pull counts from there.
float triggerPull(float axis) { return std::max(pastDeadZone((axis + 1.0f) * 0.5f), 0.0f); }

} // namespace

float pastDeadZone(float deflection)
{
    const float size = std::abs(deflection);
    // NaN from a broken driver compares false everywhere: it stays still.
    if (!(size > padDeadZone)) {
        return 0.0f;
    }
    const float share = size >= 1.0f ? 1.0f : (size - padDeadZone) / (1.0f - padDeadZone);
    return std::copysign(share, deflection);
}

float padActionAmount(const GamepadState& pad, Action action)
{
    switch (action) {
    case Action::Forward: return stickOrButton(-pad.axis(PadAxis::LeftY), pad.held(PadButton::DpadUp));
    case Action::Back: return stickOrButton(pad.axis(PadAxis::LeftY), pad.held(PadButton::DpadDown));
    case Action::Left: return stickOrButton(-pad.axis(PadAxis::LeftX), pad.held(PadButton::DpadLeft));
    case Action::Right: return stickOrButton(pad.axis(PadAxis::LeftX), pad.held(PadButton::DpadRight));
    case Action::Jump: return pad.held(PadButton::A) ? 1.0f : 0.0f;
    case Action::Dismiss: return pad.held(PadButton::B) ? 1.0f : 0.0f;
    case Action::Pause: return pad.held(PadButton::Start) ? 1.0f : 0.0f;
    case Action::Restart: return pad.held(PadButton::Back) ? 1.0f : 0.0f;
    default: return 0.0f;
    }
}

PadCamera padCamera(const GamepadState& pad)
{
    PadCamera camera;
    camera.orbit = {pastDeadZone(pad.axis(PadAxis::RightX)), pastDeadZone(pad.axis(PadAxis::RightY))};
    camera.zoomIn = triggerPull(pad.axis(PadAxis::RightTrigger)) - triggerPull(pad.axis(PadAxis::LeftTrigger));
    return camera;
}

std::optional<PadButton> padButtonNamed(std::string_view name) { return named<PadButton>(buttonNames, name); }

std::optional<PadAxis> padAxisNamed(std::string_view name) { return named<PadAxis>(axisNames, name); }

std::string_view padButtonName(PadButton button) { return buttonNames[static_cast<std::size_t>(button)]; }

std::string_view padAxisName(PadAxis axis) { return axisNames[static_cast<std::size_t>(axis)]; }

float actionAmount(const InputSource& input, Action action)
{
    if (input.isKeyHeld(action)) {
        return 1.0f;
    }
    return padActionAmount(input.gamepad(), action);
}

} // namespace tavernrush
