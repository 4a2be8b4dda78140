#pragma once
// The input of one frame, read once from the live devices before the frame
// runs and answered from then on: both halves of the frame see the same
// keys, cursor, pad and focus, and a run file keeps exactly what the rules
// were given.

#include "game/Input.h"

#include <cstdint>

namespace tavernrush {

struct InputSnapshot {
    std::uint32_t actions = 0; // bit i: Action i
    std::uint32_t mouse = 0;   // bit 0: left, bit 1: right
    glm::dvec2 cursor{0.0};
    GamepadState pad;
    bool focused = true;
};

InputSnapshot snapshotOf(const InputSource& live);

class SampledInput : public InputSource {
public:
    explicit SampledInput(const InputSource& live) : live_(live), snapshot_(snapshotOf(live)) {}

    void sample() { snapshot_ = snapshotOf(live_); }
    const InputSnapshot& snapshot() const { return snapshot_; }

    bool isKeyHeld(Action action) const override { return (snapshot_.actions & (1U << static_cast<int>(action))) != 0; }
    bool isButtonHeld(MouseButton button) const override
    {
        return (snapshot_.mouse & (button == MouseButton::Left ? 1U : 2U)) != 0;
    }
    glm::dvec2 cursorPosition() const override { return snapshot_.cursor; }
    GamepadState gamepad() const override { return snapshot_.pad; }
    bool hasFocus() const override { return snapshot_.focused; }
    // The menus read keys by code, live: a kept run keeps what they did to
    // the rules instead (see MenuCommand.h).
    bool isKeyCodeHeld(int code) const override { return live_.isKeyCodeHeld(code); }

private:
    const InputSource& live_;
    InputSnapshot snapshot_;
};

} // namespace tavernrush
