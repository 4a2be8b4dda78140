#pragma once
// What the menus do to the rules, as a run file keeps it: the title, play
// from it, resume, restart from the pause menu, and whether the pause key
// is the menu's. The rules log each one made in a frame, so a kept run
// plays them again at the same place in the same frame without the menus.

#include <optional>
#include <string_view>

namespace tavernrush {

enum class MenuCommand { Title, Play, Resume, Restart, PauseKeyTaken, PauseKeyFree };

std::string_view menuCommandName(MenuCommand command);
std::optional<MenuCommand> menuCommandNamed(std::string_view name);

} // namespace tavernrush
