#pragma once
// Text from a file or a script shown on the console: control characters
// (an escape sequence hidden in a settings file, say) are shown as '?' so
// they never reach the terminal raw.

#include <string>
#include <string_view>

namespace tavernrush {

inline std::string printable(std::string_view text)
{
    std::string shown(text);
    for (char& c : shown) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 0x20 || code == 0x7f) {
            c = '?';
        }
    }
    return shown;
}

} // namespace tavernrush
