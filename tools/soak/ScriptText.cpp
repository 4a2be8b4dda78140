#include "soak/ScriptText.h"

#include "app/KeyNames.h"

#include <sstream>

namespace tavernrush {
namespace {

std::string framesText(const FrameRange& frames)
{
    if (frames.first == frames.last) {
        return std::to_string(frames.first);
    }
    return std::to_string(frames.first) + "-" + std::to_string(frames.last);
}

} // namespace

std::string formatReplayScript(const ReplayScript& script, std::string_view heading)
{
    std::ostringstream text;
    // Shortest text that reads back as the same double: cursor and wheel
    // values must survive the round trip exactly.
    text.precision(17);
    if (!heading.empty()) {
        text << "# " << heading << '\n';
    }
    for (const KeyHold& hold : script.keys) {
        text << framesText(hold.frames) << " key " << keyNameOf(hold.key) << '\n';
    }
    for (const ButtonHold& hold : script.buttons) {
        text << framesText(hold.frames) << " button " << (hold.button == MouseButton::Left ? "left" : "right") << '\n';
    }
    for (const CursorPlacement& placement : script.cursor) {
        text << framesText(placement.frames) << " cursor " << placement.position.x << ' ' << placement.position.y
             << '\n';
    }
    for (const ScrollEvent& scroll : script.scrolls) {
        text << scroll.frame << " scroll " << scroll.yoffset << '\n';
    }
    for (const long frame : script.escapeReleases) {
        text << frame << " release escape\n";
    }
    for (const FocusChange& change : script.focus) {
        text << change.frame << " focus " << (change.focused ? "in" : "out") << '\n';
    }
    for (const PadButtonHold& hold : script.padButtons) {
        text << framesText(hold.frames) << " pad button " << padButtonName(hold.button) << '\n';
    }
    for (const PadAxisPlacement& placement : script.padAxes) {
        text << framesText(placement.frames) << " pad axis " << padAxisName(placement.axis) << ' '
             << placement.value << '\n';
    }
    return text.str();
}

} // namespace tavernrush
