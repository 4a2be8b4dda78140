#pragma once
// tavernrush --watch RUNFILE: a kept run played again in the game window at
// the speed it was played, with its sound. P pauses and resumes, Escape
// quits. Nothing of the player's is touched: no records, no screenshots, no
// ghost, and the watching is not kept as a run.

#include "app/GameRun.h"
#include "app/ReplayScript.h"

#include <optional>

#include <string>

namespace tavernrush {

// The run file at `path`, read before anything else starts; none, after one
// line on standard error saying why, when it cannot be played.
std::optional<ReplayScript> runToWatch(const std::string& path);

// Plays `run` with what `options` say of the data and settings; the exit
// status is composeRun's.
int watchRun(ReplayScript run, RunOptions options);

} // namespace tavernrush
