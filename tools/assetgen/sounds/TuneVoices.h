#pragma once
// The tavern band: an accordion for the tune, a tuba-like bass for the
// "oom", a plucked chord for the "pah" and a brushed off-beat. Each renders
// one note as its own Signal for the arranger to mix.

#include "sounds/Signal.h"

#include <cstdint>

namespace tavernrush::assetgen {

// Two reeds a few cents apart, as a musette-tuned accordion has them; the
// slow beating between them is the instrument's warmth.
Signal accordionNote(float frequency, float heldSeconds);
// A short round brass "oom".
Signal bassNote(float frequency, float heldSeconds);
// A plucked string: FM whose index falls quickly, bright at the pluck and
// mellow as it rings.
Signal pluckNote(float frequency);
// A short brushed noise on the off-beats.
Signal brush(std::uint32_t seed);

} // namespace tavernrush::assetgen
