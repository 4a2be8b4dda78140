#pragma once
// The keys [controls] and replay scripts can name, by GLFW's names for them
// in lower case ("up", "space", "a" ... "z", "0" ... "9", "f1" ... "f12",
// "page_up", "left_shift", "kp_add", ...). Escape is not among them: it
// always quits.

#include <optional>
#include <span>
#include <string_view>

namespace tavernrush {

struct NamedKey {
    std::string_view name;
    // GLFW's key code.
    int code;
};

std::span<const NamedKey> namedKeys();

// Case does not matter: "Space" and "SPACE" name the same key.
std::optional<int> keyCodeNamed(std::string_view name);
// "?" for a code no name stands for.
std::string_view keyNameOf(int code);

} // namespace tavernrush
