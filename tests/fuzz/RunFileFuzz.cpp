// Run files as the game writes them and as anything else might: a run the
// reader accepts says what it played, holds every frame's clock reading in
// order and its from-frame lists in frame order, with finite numbers only;
// written out again with the game's own line writers it reads back the
// same; the input and the ghost answer for any frame.

#include "FuzzCheck.h"
#include "app/ReplayScript.h"
#include "app/ScriptedInput.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace tavernrush {
namespace {

template <typename Value>
void checkInOrder(const std::vector<FromFrame<Value>>& list)
{
    for (std::size_t i = 0; i < list.size(); ++i) {
        FUZZ_CHECK(list[i].frame >= 0);
        FUZZ_CHECK(i == 0 || list[i - 1].frame <= list[i].frame);
    }
}

std::string written(const RunRecord& run)
{
    std::string text = runHeaderLines(run.header);
    for (std::size_t frame = 0; frame < run.frameEndTimes.size(); ++frame) {
        text += timeLine(static_cast<long>(frame), run.frameEndTimes[frame]);
    }
    for (const auto& entry : run.actions) {
        text += actionsLine(entry.frame, entry.value);
    }
    for (const auto& entry : run.mouse) {
        text += mouseLine(entry.frame, entry.value);
    }
    for (const auto& entry : run.pointer) {
        text += pointerLine(entry.frame, entry.value);
    }
    for (const auto& entry : run.gamepad) {
        text += gamepadLine(entry.frame, entry.value);
    }
    for (const auto& check : run.checks) {
        text += checkLine(check.frame, check.sums);
    }
    for (const auto& entry : run.ghost) {
        text += ghostLine(entry.frame, entry.value);
    }
    for (const auto& entry : run.wins) {
        text += wonLine(entry.frame, entry.value);
    }
    return text;
}

bool sameRun(const RunRecord& a, const RunRecord& b)
{
    const auto sameList = [](const auto& p, const auto& q, auto same) {
        return std::equal(p.begin(), p.end(), q.begin(), q.end(), same);
    };
    return a.header.version == b.header.version && a.header.level == b.header.level &&
           a.header.seeds == b.header.seeds && a.header.width == b.header.width && a.header.height == b.header.height &&
           a.header.clockStart == b.header.clockStart && a.frameEndTimes == b.frameEndTimes &&
           sameList(a.actions, b.actions, [](auto& p, auto& q) { return p.frame == q.frame && p.value == q.value; }) &&
           sameList(a.pointer, b.pointer, [](auto& p, auto& q) { return p.frame == q.frame && p.value == q.value; }) &&
           sameList(a.gamepad, b.gamepad,
                    [](auto& p, auto& q) {
                        return p.frame == q.frame && p.value.buttons == q.value.buttons && p.value.axes == q.value.axes;
                    }) &&
           sameList(a.checks, b.checks, [](auto& p, auto& q) { return p.frame == q.frame && p.sums == q.sums; }) &&
           sameList(a.ghost, b.ghost,
                    [](auto& p, auto& q) {
                        return p.frame == q.frame && p.value.time == q.value.time &&
                               p.value.position == q.value.position && p.value.heading == q.value.heading;
                    }) &&
           sameList(a.wins, b.wins, [](auto& p, auto& q) { return p.frame == q.frame && p.value == q.value; });
}

} // namespace
} // namespace tavernrush

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tavernrush;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const ScriptParse parsed = parseReplayScript(text);
    if (std::holds_alternative<ScriptError>(parsed) || !std::get<ReplayScript>(parsed).run) {
        return 0;
    }
    const ReplayScript& script = std::get<ReplayScript>(parsed);
    const RunRecord& run = *script.run;
    FUZZ_CHECK(!run.header.level.empty() && run.header.level.find('/') == std::string::npos);
    FUZZ_CHECK(run.header.width >= 2 && run.header.height >= 2);
    FUZZ_CHECK(!run.frameEndTimes.empty());
    for (const double reading : run.frameEndTimes) {
        FUZZ_CHECK(std::isfinite(reading));
    }
    checkInOrder(run.actions);
    checkInOrder(run.mouse);
    checkInOrder(run.pointer);
    checkInOrder(run.gamepad);
    checkInOrder(run.ghost);
    checkInOrder(run.wins);
    for (std::size_t i = 1; i < run.checks.size(); ++i) {
        FUZZ_CHECK(run.checks[i - 1].frame < run.checks[i].frame);
    }

    ScriptedInput input(script);
    const long lastFrame = static_cast<long>(run.frameEndTimes.size()) - 1;
    for (const long frame : {0L, lastFrame / 2, lastFrame}) {
        input.setFrame(frame);
        const glm::dvec2 cursor = input.cursorPosition();
        FUZZ_CHECK(std::isfinite(cursor.x) && std::isfinite(cursor.y));
        const GamepadState pad = input.gamepad();
        for (const float axis : pad.axes) {
            FUZZ_CHECK(axis >= -1.0f && axis <= 1.0f);
        }
    }
    const GhostRun ghost = ghostOfLastWin(run);
    if (const auto placement = ghost.placementAt(1.0f)) {
        FUZZ_CHECK(std::isfinite((*placement)[3].x) && std::isfinite((*placement)[3].z));
    }

    const ScriptParse reread = parseReplayScript(written(run));
    FUZZ_CHECK(std::holds_alternative<ReplayScript>(reread) && std::get<ReplayScript>(reread).run);
    FUZZ_CHECK(sameRun(*std::get<ReplayScript>(reread).run, run));
    return 0;
}
