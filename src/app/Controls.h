#pragma once
// Which key does what: the [controls] section of settings.ini binds each
// action to a key by name. The defaults are the keys the game always had;
// Escape always quits and is no action's key.

#include "game/Action.h"

#include <array>
#include <iosfwd>
#include <string_view>

namespace tavernrush {

struct Controls {
    // GLFW key codes, indexed by Action; no two actions share a key.
    std::array<int, actionCount> keys = defaultKeys();

    int keyFor(Action action) const { return keys[static_cast<std::size_t>(action)]; }

    // up, down, left, right, space, f, c, h, d, n, f10, p, m, f12.
    static std::array<int, actionCount> defaultKeys();
};

// The [controls] section of a settings file's text. An entry that names no
// action, a key name the game does not know, and a key already bound to
// another action are each reported on `log` in one line; the action keeps
// its default key. A key wanted by two actions goes to the one that has it
// by default, else to the first in the order of Action; a swap of two
// actions' keys works.
Controls readControls(std::string_view settingsText, std::ostream& log);

} // namespace tavernrush
