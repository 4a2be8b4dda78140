#include "app/RunRecord.h"

#include "game/Action.h"

#include <cstdio>

namespace tavernrush {
namespace {

// Enough digits for a double to read back exactly.
std::string exact(double value)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

std::string hex(std::uint64_t value)
{
    char text[24];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

std::string framed(long frame, const std::string& rest) { return std::to_string(frame) + ' ' + rest + '\n'; }

} // namespace

std::string runHeaderLines(const RunHeader& header)
{
    return "run " + header.version + "\nlevel " + header.level + "\nseed " + std::to_string(header.seeds[0]) + ' ' +
           std::to_string(header.seeds[1]) + ' ' + std::to_string(header.seeds[2]) + "\nwindow " +
           std::to_string(header.width) + ' ' + std::to_string(header.height) + "\nclock " +
           exact(header.clockStart) + '\n';
}

std::string timeLine(long frame, double clockReading) { return framed(frame, "time " + exact(clockReading)); }

std::string actionsLine(long frame, std::uint32_t actions)
{
    std::string line = "actions";
    for (int i = 0; i < actionCount; ++i) {
        if ((actions & (1U << i)) != 0) {
            line += ' ';
            line += actionName(static_cast<Action>(i));
        }
    }
    return framed(frame, line);
}

std::string mouseLine(long frame, std::uint32_t buttons)
{
    std::string line = "mouse";
    line += (buttons & 1U) != 0 ? " left" : "";
    line += (buttons & 2U) != 0 ? " right" : "";
    return framed(frame, line);
}

std::string pointerLine(long frame, glm::dvec2 position)
{
    return framed(frame, "pointer " + exact(position.x) + ' ' + exact(position.y));
}

std::string gamepadLine(long frame, const GamepadState& pad)
{
    const GamepadState rest;
    std::string line = "gamepad";
    for (int i = 0; i < padButtonCount; ++i) {
        if (pad.buttons[static_cast<std::size_t>(i)]) {
            line += ' ';
            line += padButtonName(static_cast<PadButton>(i));
        }
    }
    for (int i = 0; i < padAxisCount; ++i) {
        const auto index = static_cast<std::size_t>(i);
        if (pad.axes[index] != rest.axes[index]) {
            line += ' ' + std::string(padAxisName(static_cast<PadAxis>(i))) + '=' + exact(pad.axes[index]);
        }
    }
    return framed(frame, line);
}

std::string checkLine(long frame, const RulesChecksums& sums)
{
    std::string line = "check";
    for (int i = 0; i < checksumPartCount; ++i) {
        line += ' ' + std::string(checksumPartName(static_cast<ChecksumPart>(i))) + '=' +
                hex(sums[static_cast<std::size_t>(i)]);
    }
    return framed(frame, line);
}

std::string ghostLine(long frame, const GhostSample& sample)
{
    return framed(frame, "ghost " + exact(sample.time) + ' ' + exact(sample.position.x) + ' ' +
                             exact(sample.position.y) + ' ' + exact(sample.position.z) + ' ' + exact(sample.heading));
}

std::string wonLine(long frame, int tenths) { return framed(frame, "won " + std::to_string(tenths)); }

std::string menuLine(long frame, MenuCommand command)
{
    return framed(frame, "menu " + std::string(menuCommandName(command)));
}

std::string focusLine(long frame, bool focused) { return framed(frame, focused ? "focus in" : "focus out"); }

std::string scrollLine(long frame, double yoffset) { return framed(frame, "scroll " + exact(yoffset)); }

std::string escapeLine(long frame) { return framed(frame, "release escape"); }

GhostRun ghostOfLastWin(const RunRecord& run)
{
    if (run.wins.empty()) {
        return {};
    }
    const long wonFrame = run.wins.back().frame;
    std::size_t end = 0;
    while (end < run.ghost.size() && run.ghost[end].frame <= wonFrame) {
        ++end;
    }
    if (end == 0) {
        return {};
    }
    // Back to the restart before the win: the timer started again there.
    std::size_t begin = end - 1;
    while (begin > 0 && run.ghost[begin - 1].value.time <= run.ghost[begin].value.time) {
        --begin;
    }
    std::vector<GhostSample> samples;
    for (std::size_t i = begin; i < end; ++i) {
        samples.push_back(run.ghost[i].value);
    }
    return GhostRun(std::move(samples));
}

} // namespace tavernrush
