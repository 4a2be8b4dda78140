// Replay scripts as people type them: a script the parser accepts has frame
// ranges that start at 0 or later and do not run backwards, finite numbers
// only, and reads back the same when written out again line by line; the
// scripted input answers for any frame. A refused script names a line of
// the text.

#include "FuzzCheck.h"
#include "app/KeyNames.h"
#include "app/ReplayScript.h"
#include "app/ScriptedInput.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>
#include <string_view>
#include <variant>

namespace tavernrush {
namespace {

std::string frames(const FrameRange& range)
{
    return std::to_string(range.first) + "-" + std::to_string(range.last);
}

// Enough digits for a double to read back exactly.
std::string number(double value)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

// The parsed script as script lines, one directive each.
std::string written(const ReplayScript& script)
{
    std::string text;
    for (const KeyHold& hold : script.keys) {
        text += frames(hold.frames) + " key " + std::string(keyNameOf(hold.key)) + "\n";
    }
    for (const ButtonHold& hold : script.buttons) {
        text += frames(hold.frames) + " button " + (hold.button == MouseButton::Left ? "left" : "right") + "\n";
    }
    for (const CursorPlacement& placement : script.cursor) {
        text += frames(placement.frames) + " cursor " + number(placement.position.x) + " " +
                number(placement.position.y) + "\n";
    }
    for (const ScrollEvent& scroll : script.scrolls) {
        text += std::to_string(scroll.frame) + " scroll " + number(scroll.yoffset) + "\n";
    }
    for (const long frame : script.escapeReleases) {
        text += std::to_string(frame) + " release escape\n";
    }
    return text;
}

bool sameRange(const FrameRange& a, const FrameRange& b) { return a.first == b.first && a.last == b.last; }

bool sameScript(const ReplayScript& a, const ReplayScript& b)
{
    return std::equal(a.keys.begin(), a.keys.end(), b.keys.begin(), b.keys.end(),
                      [](const KeyHold& p, const KeyHold& q) { return sameRange(p.frames, q.frames) && p.key == q.key; }) &&
           std::equal(a.buttons.begin(), a.buttons.end(), b.buttons.begin(), b.buttons.end(),
                      [](const ButtonHold& p, const ButtonHold& q) {
                          return sameRange(p.frames, q.frames) && p.button == q.button;
                      }) &&
           std::equal(a.cursor.begin(), a.cursor.end(), b.cursor.begin(), b.cursor.end(),
                      [](const CursorPlacement& p, const CursorPlacement& q) {
                          return sameRange(p.frames, q.frames) && p.position == q.position;
                      }) &&
           std::equal(a.scrolls.begin(), a.scrolls.end(), b.scrolls.begin(), b.scrolls.end(),
                      [](const ScrollEvent& p, const ScrollEvent& q) {
                          return p.frame == q.frame && p.yoffset == q.yoffset;
                      }) &&
           a.escapeReleases == b.escapeReleases;
}

void checkRange(const FrameRange& range) { FUZZ_CHECK(range.first >= 0 && range.first <= range.last); }

void checkValid(const ReplayScript& script)
{
    for (const KeyHold& hold : script.keys) {
        checkRange(hold.frames);
    }
    for (const ButtonHold& hold : script.buttons) {
        checkRange(hold.frames);
    }
    for (const CursorPlacement& placement : script.cursor) {
        checkRange(placement.frames);
        FUZZ_CHECK(std::isfinite(placement.position.x) && std::isfinite(placement.position.y));
    }
    for (const ScrollEvent& scroll : script.scrolls) {
        FUZZ_CHECK(scroll.frame >= 0 && std::isfinite(scroll.yoffset));
    }
    for (const long frame : script.escapeReleases) {
        FUZZ_CHECK(frame >= 0);
    }
}

// The input the replay sees at the frames where something starts or ends.
void checkScriptedInput(const ReplayScript& script)
{
    ScriptedInput input(script);
    auto askAt = [&](long frame) {
        input.setFrame(frame);
        const glm::dvec2 cursor = input.cursorPosition();
        FUZZ_CHECK(std::isfinite(cursor.x) && std::isfinite(cursor.y));
        static_cast<void>(input.isKeyHeld(Action::Forward));
        static_cast<void>(input.isButtonHeld(MouseButton::Left));
    };
    for (const CursorPlacement& placement : script.cursor) {
        askAt(placement.frames.first);
        askAt(placement.frames.last);
        if (placement.frames.last < std::numeric_limits<long>::max()) {
            askAt(placement.frames.last + 1);
        }
    }
    // A key held over a range holds its action at both of its ends.
    const Controls controls;
    for (const KeyHold& hold : script.keys) {
        for (int index = 0; index < actionCount; ++index) {
            const auto action = static_cast<Action>(index);
            if (controls.keyFor(action) != hold.key) {
                continue;
            }
            input.setFrame(hold.frames.first);
            FUZZ_CHECK(input.isKeyHeld(action));
            input.setFrame(hold.frames.last);
            FUZZ_CHECK(input.isKeyHeld(action));
        }
    }
}

} // namespace
} // namespace tavernrush

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tavernrush;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const ScriptParse parsed = parseReplayScript(text);
    if (const auto* error = std::get_if<ScriptError>(&parsed)) {
        const auto lines = std::count(text.begin(), text.end(), '\n') + 1;
        FUZZ_CHECK(error->line >= 1 && error->line <= lines);
        FUZZ_CHECK(!error->what.empty());
        FUZZ_CHECK(error->message().starts_with("line " + std::to_string(error->line) + ": "));
        return 0;
    }
    const ReplayScript& script = std::get<ReplayScript>(parsed);
    checkValid(script);
    checkScriptedInput(script);

    const ScriptParse reread = parseReplayScript(written(script));
    FUZZ_CHECK(std::holds_alternative<ReplayScript>(reread));
    FUZZ_CHECK(sameScript(std::get<ReplayScript>(reread), script));
    return 0;
}
