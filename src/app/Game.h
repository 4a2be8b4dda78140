#pragma once
// The program: start-up, the frame loop and shut-down.

namespace tavernrush {

// Runs the game from the current directory's assets/ and returns the exit
// status (0 after a normal end, 1 after a start-up failure).
int runGame();

} // namespace tavernrush
