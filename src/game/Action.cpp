#include "game/Action.h"

#include <array>

namespace tavernrush {
namespace {

constexpr std::array<std::string_view, actionCount> names = {
    "forward", "back",   "left",       "right",      "jump",  "dismiss", "restart",
    "brighter", "darker", "plain_wall", "fullscreen", "pause", "mute",    "screenshot", "ghost",
};

} // namespace

std::string_view actionName(Action action) { return names[static_cast<std::size_t>(action)]; }

std::optional<Action> actionNamed(std::string_view name)
{
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] == name) {
            return static_cast<Action>(i);
        }
    }
    return std::nullopt;
}

} // namespace tavernrush
