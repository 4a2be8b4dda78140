#pragma once
// What the player can ask for. Each action has a key of its own (today's
// keys, unless [controls] in settings.ini binds another) and some have a pad
// button or stick; the rules only ever ask for actions, never for keys.

#include <optional>
#include <string_view>

namespace tavernrush {

enum class Action {
    Forward,
    Back,
    Left,
    Right,
    Jump,
    Dismiss,
    Restart,
    Brighter,
    Darker,
    PlainWall,
    Fullscreen,
    Pause,
    Mute,
    Screenshot,
    Ghost,
};
inline constexpr int actionCount = 15;

// The action's name in [controls]: "forward", "back", "left", "right",
// "jump", "dismiss", "restart", "brighter", "darker", "plain_wall",
// "fullscreen", "pause", "mute", "screenshot", "ghost".
std::string_view actionName(Action action);
std::optional<Action> actionNamed(std::string_view name);

} // namespace tavernrush
