#include "game/MenuCommand.h"

#include <array>
#include <utility>

namespace tavernrush {
namespace {

constexpr std::array<std::pair<MenuCommand, std::string_view>, 6> names{{
    {MenuCommand::Title, "title"},
    {MenuCommand::Play, "play"},
    {MenuCommand::Resume, "resume"},
    {MenuCommand::Restart, "restart"},
    {MenuCommand::PauseKeyTaken, "pause-key-taken"},
    {MenuCommand::PauseKeyFree, "pause-key-free"},
}};

} // namespace

std::string_view menuCommandName(MenuCommand command)
{
    for (const auto& [value, name] : names) {
        if (value == command) {
            return name;
        }
    }
    return "?";
}

std::optional<MenuCommand> menuCommandNamed(std::string_view name)
{
    for (const auto& [value, known] : names) {
        if (known == name) {
            return value;
        }
    }
    return std::nullopt;
}

} // namespace tavernrush
