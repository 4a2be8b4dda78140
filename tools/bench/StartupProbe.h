#pragma once
// One start-up, run in a process of its own so that it starts from nothing
// like the game does: "game" composes the level and shows its first frame,
// "bare" opens a window with the game's hints, clears it and swaps;
// "game-by-pass" is "game" with its first frame's passes fenced apart. Each
// prints the steady clock at the finished first image and the start-up steps
// on standard output, for the benchmark that started it.

#include "app/ReplayScript.h"
#include "render/StartupSteps.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace tavernrush {

enum class ProbeKind { game, gameByPass, bare };

// `level` as the benchmark was given it (the bare window has none).
int runStartupProbe(ProbeKind kind, const std::optional<std::string>& level, ReplayScript route);

struct ProbeResult {
    long long firstImageNanoseconds = 0; // steady clock
    std::vector<StartupStepTotal> steps;
};
// Reads what a probe printed; nothing when it printed no first image.
std::optional<ProbeResult> parseProbeOutput(std::istream& output);

} // namespace tavernrush
