#pragma once
// What a run file adds to a replay script: the game writes every run it
// plays as a script of what the rules were given, so tavernrush-replay and
// --watch play it again frame for frame. Beside the script's own lines:
//
//   run VERSION                   first line: a run file, and the game's version
//   level NAME                    the level played
//   seed COINS BEERS UNICORNS     the level's seeds, as its file gave them
//   window W H                    the configured window (the camera's aspect)
//   clock T                       the clock reading the first frame counts from
//   N time T                      the clock reading at the end of frame N; every
//                                 frame from 0 on has one, in order
//   N actions NAME...             from frame N on, these actions are held
//                                 (by their [controls] names; none: nothing)
//   N mouse [left] [right]        from frame N on, these mouse buttons are held
//   N pointer X Y                 from frame N on, the cursor stands here
//   N gamepad NAME... AXIS=V...   from frame N on, these pad buttons are held
//                                 and these axes stand away from rest
//   N check PART=HEX...           the rules' checksums after frame N
//   N ghost T X Y Z HEADING       where the figure stood after frame N, T
//                                 seconds into the run's timer
//   N won TENTHS                  the run was won in frame N
//   N menu NAME                   what the menus did to the rules after frame N's
//                                 rules (title, play, resume, restart,
//                                 pause-key-taken, pause-key-free); a title
//                                 at frame 0 stood before the first frame
//
// The focus, wheel and Escape use the script's own focus, scroll and
// release lines. Numbers are written with enough digits to read back exactly.

#include "game/Gamepad.h"
#include "game/GhostRun.h"
#include "game/MenuCommand.h"
#include "game/RulesChecksum.h"

#include <glm/glm.hpp>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tavernrush {

// A value that holds from `frame` on, until the next entry's frame.
template <typename Value>
struct FromFrame {
    long frame = 0;
    Value value{};
};

struct RunHeader {
    std::string version;
    std::string level;
    std::array<std::uint32_t, 3> seeds{};
    int width = 0;
    int height = 0;
    double clockStart = 0.0;
};

struct RecordedChecksums {
    long frame = 0;
    RulesChecksums sums{};
};

struct RunRecord {
    RunHeader header;
    // Indexed by frame.
    std::vector<double> frameEndTimes;
    // Each list in frame order.
    std::vector<FromFrame<std::uint32_t>> actions; // bit i: Action i
    std::vector<FromFrame<std::uint32_t>> mouse;   // bit 0: left, bit 1: right
    std::vector<FromFrame<glm::dvec2>> pointer;
    std::vector<FromFrame<GamepadState>> gamepad;
    std::vector<RecordedChecksums> checks;
    std::vector<FromFrame<GhostSample>> ghost;
    std::vector<FromFrame<int>> wins;
    std::vector<FromFrame<MenuCommand>> menus;
};

// The value in force at `frame`: the last entry at or before it.
template <typename Value>
const Value* valueAt(const std::vector<FromFrame<Value>>& list, long frame)
{
    std::size_t low = 0;
    std::size_t high = list.size();
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (list[middle].frame <= frame) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return low == 0 ? nullptr : &list[low - 1].value;
}

// The lines the game writes, each ending in '\n'.
std::string runHeaderLines(const RunHeader& header);
std::string timeLine(long frame, double clockReading);
std::string actionsLine(long frame, std::uint32_t actions);
std::string mouseLine(long frame, std::uint32_t buttons);
std::string pointerLine(long frame, glm::dvec2 position);
std::string gamepadLine(long frame, const GamepadState& pad);
std::string checkLine(long frame, const RulesChecksums& sums);
std::string ghostLine(long frame, const GhostSample& sample);
std::string wonLine(long frame, int tenths);
std::string menuLine(long frame, MenuCommand command);
std::string focusLine(long frame, bool focused);
std::string scrollLine(long frame, double yoffset);
std::string escapeLine(long frame);

// The path of the run's last win: its samples from the restart (or start)
// before the win up to the win. Empty when the run holds no win.
GhostRun ghostOfLastWin(const RunRecord& run);

} // namespace tavernrush
