#pragma once
// tavernrush --watch RUNFILE: a kept run played again in the game window at
// the speed it was played, with its sound. P pauses and resumes, Escape
// quits. Nothing of the player's is touched: no records, no screenshots, no
// ghost, and the watching is not kept as a run.

#include "app/GameRun.h"

#include <string>

namespace tavernrush {

// The exit status: 0 after the run or Escape, 1 for a run file that cannot
// be played (one line says why), or composeRun's own.
int watchRun(const std::string& runFile, RunOptions options);

} // namespace tavernrush
