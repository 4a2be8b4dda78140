#pragma once
// The pause on the start-up error paths, so a player who started the game
// from a console can read the message before it closes.

#include <iosfwd>

namespace tavernrush {

// Asks for Enter and waits for it, but only when standard input is a
// terminal: a desktop launcher or CI has nobody to press a key, and waiting
// there would hang forever.
void waitForKeyPress(std::istream& in, std::ostream& out, bool inputIsTerminal);
bool standardInputIsTerminal();

} // namespace tavernrush
