#pragma once
// Changes one value in the text of a settings file and leaves every other
// byte as it was: comments, blank lines, the order of the keys, keys the game
// does not know and repeated keys all survive a save, so a player's own
// notes in the file are never lost.

#include <string>
#include <string_view>

namespace tavernrush {

// `text` with `key` in `[section]` set to `value`. Section and key names
// match without regard to case, as the reader matches them. The first line
// of the key is changed (the reader takes the first too), keeping what
// stands before its value and a comment after it; a key the section lacks is
// added after the section's last entry, a missing section at the end.
std::string withSetting(std::string_view text, std::string_view section, std::string_view key,
                        std::string_view value);

} // namespace tavernrush
