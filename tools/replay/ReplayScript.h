#pragma once
// A replay script: which keys and buttons are held in which frames, where the
// cursor is, and the wheel and Escape events, all counted in frames from 0.
//
// One directive per line, '#' starts a comment:
//   A-B key NAME...        keys held (up down left right space f10 h d n f c)
//   A-B cursor X Y         cursor position in window pixels
//   A-B button left|right  mouse button held
//   A scroll DY            one wheel event before frame A
//   A release escape       Escape released before frame A; the run ends after it
// A-B is an inclusive range, a single number one frame.

#include "game/Input.h"

#include <glm/glm.hpp>

#include <iosfwd>
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
    Key key = Key::Up;
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

struct ReplayScript {
    std::vector<KeyHold> keys;
    std::vector<ButtonHold> buttons;
    // In script order; a later line wins where ranges overlap.
    std::vector<CursorPlacement> cursor;
    // In script order, which is the order they are delivered within a frame.
    std::vector<ScrollEvent> scrolls;
    std::vector<long> escapeReleases;
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
// The name a script uses for `key`, as "key" lines read it.
std::string_view keyScriptName(Key key);
ScriptParse parseReplayScript(std::string_view text);

} // namespace tavernrush
