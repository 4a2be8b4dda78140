#pragma once
// The five full-screen pictures that interrupt play.

#include <string_view>

namespace tavernrush {

enum class Picture { Toilet, Won, Drunk, TimeUp, Unicorn };

inline constexpr int pictureCount = 5;

// The board's name as it appears in traces: "toiletScreen", "wonScreen", ...
std::string_view pictureBoardName(Picture picture);

} // namespace tavernrush
