#pragma once
// How the menus and prompts name keys, pad buttons and actions for a player:
// "Space", "F10", "Left shift", "A", "Start", "Jump".

#include "app/Controls.h"
#include "game/Action.h"

#include <string>

namespace tavernrush {

// A key's name as printed on it: "Space", "F", "Page up"; "?" for none.
std::string keyLabel(int code);
// The pad button (or stick) that does `action`; empty where none does.
std::string padLabel(Action action);
std::string actionLabel(Action action);
// "F", or "F or B" with a pad connected.
std::string boundLabel(const Controls& controls, Action action, bool withPad);

} // namespace tavernrush
