#pragma once
// Seeded random input for soak runs: every key, both mouse buttons, cursor
// moves and wheel bursts, held for about as long as a person holds them, so
// a long replay walks the game through its states the way a player would.

#include "app/ReplayScript.h"

#include <cstdint>

namespace tavernrush {

struct SoakScriptRequest {
    std::uint32_t seed = 1;
    // Frames of the run the script is for; every input lies within them.
    long frames = 2000;
    // Ends the run with Escape released before its last frame, the way a
    // player quits; the replay tool stops at its frame limit either way.
    bool releaseEscapeAtEnd = false;
};

// The same request always gives the same script. Every key, both buttons,
// the cursor and the wheel are used at least once within the first half of
// the run, so even a short run (2,000 frames) covers all the input. The
// window is at its own size after every 1,000th frame and in the last 100
// frames, where a soak compares resident memory: a full-screen window holds
// buffers many times bigger.
ReplayScript generateSoakScript(const SoakScriptRequest& request);

} // namespace tavernrush
