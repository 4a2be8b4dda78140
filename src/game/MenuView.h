#pragma once
// What a menu shows in one frame, as plain text: the title over the live
// level, the pause menu, the options, the graphics and the controls. The
// menus decide it (src/app/Menus.cpp) and put it in the frame value; the
// lettering draws it and the trace names its screen and selected entry.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavernrush {

enum class MenuScreen { Title, Pause, Options, Graphics, Controls, Rebind };

// "title", "pause", "options", "graphics", "controls", "rebind".
std::string_view menuScreenName(MenuScreen screen);

struct MenuEntry {
    // Names the entry in the trace: "resume", "volume", "jump", ...
    std::string id;
    std::string label;
    // Shown to the right of the label: "On", "Space / A", "unsaved".
    std::string value;
    // A slider's fill, 0 to 1.
    std::optional<float> slider;
};

struct MenuView {
    MenuScreen screen = MenuScreen::Title;
    std::string heading;
    // Lines of text between the heading and the entries.
    std::vector<std::string> notes;
    std::vector<MenuEntry> entries;
    int selected = 0;
    // One line under the entries: what to press, a swapped key, a file that
    // could not be written.
    std::string message;

    const MenuEntry* selectedEntry() const
    {
        return selected >= 0 && selected < static_cast<int>(entries.size()) ? &entries[selected] : nullptr;
    }
};

} // namespace tavernrush
