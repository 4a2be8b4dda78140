#pragma once
// A replay script: which keys and buttons are held in which frames, where the
// cursor is, and the wheel and Escape events, all counted in frames from 0.
//
// One directive per line, '#' starts a comment:
//   A-B key NAME...            keys held, by the names [controls] takes (up,
//                              space, a ... z, f1 ... f12, ...; KeyNames.h);
//                              what a key does follows [controls]
//   A-B cursor X Y             cursor position in window pixels
//   A-B button left|right      mouse button held
//   A scroll DY                one wheel event before frame A
//   A release escape           Escape released before frame A; the run ends after it
//   A focus out|in             the window loses or regains the focus from frame A
//                              on (it starts with it; the real window's focus
//                              does not count)
//   A-B pad button NAME        a gamepad button held, by GLFW's names (a, b, x,
//                              y, back, start, dpad_up, ...)
//   A-B pad axis NAME VALUE    a gamepad axis at VALUE (-1 to 1): left_x, left_y,
//                              right_x, right_y, left_trigger, right_trigger;
//                              elsewhere sticks rest at 0 and triggers at -1
// A-B is an inclusive range, a single number one frame. A run file the game
// wrote is a script too, with the lines RunRecord.h lists.

#include "app/RunRecord.h"
#include "game/Gamepad.h"
#include "game/Input.h"

#include <glm/glm.hpp>

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tavernrush {

struct FrameRange {
    long first = 0;
    long last = 0;
    bool contains(long frame) const { return frame >= first && frame <= last; }
};

struct KeyHold {
    FrameRange frames;
    // GLFW's key code.
    int key = 0;
};

struct ButtonHold {
    FrameRange frames;
    MouseButton button = MouseButton::Left;
};

struct CursorPlacement {
    FrameRange frames;
    glm::dvec2 position{0.0};
};

struct ScrollEvent {
    long frame = 0;
    double yoffset = 0.0;
};

struct FocusChange {
    long frame = 0;
    bool focused = true;
};

struct PadButtonHold {
    FrameRange frames;
    PadButton button = PadButton::A;
};

struct PadAxisPlacement {
    FrameRange frames;
    PadAxis axis = PadAxis::LeftX;
    float value = 0.0f;
};

struct ReplayScript {
    std::vector<KeyHold> keys;
    std::vector<ButtonHold> buttons;
    // In script order; a later line wins where ranges overlap.
    std::vector<CursorPlacement> cursor;
    // In script order, which is the order they are delivered within a frame.
    std::vector<ScrollEvent> scrolls;
    std::vector<long> escapeReleases;
    std::vector<FocusChange> focus;
    std::vector<PadButtonHold> padButtons;
    // In script order; a later line wins where ranges overlap.
    std::vector<PadAxisPlacement> padAxes;
    // Present when the script is a run file the game wrote.
    std::optional<RunRecord> run;
};

struct ScriptError {
    int line = 0;
    std::string what;
    // "line N: what"
    std::string message() const;
};

using ScriptParse = std::variant<ReplayScript, ScriptError>;

// Reads the whole script; the first malformed line is the error, so a bad
// script is refused before anything runs.
ScriptParse parseReplayScript(std::istream& in);
ScriptParse parseReplayScript(std::string_view text);

} // namespace tavernrush
