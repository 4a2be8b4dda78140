#pragma once
// The random source of the collectibles and the unicorn herd. Seeds, ranges
// and the order of draws decide where things appear, so the draw rule is
// fixed here once and shared.

#include <cstdint>
#include <random>

namespace tavernrush {

// The standard 32-bit Mersenne Twister; its standard seeding is the one the
// starting layouts were made with.
using RandomEngine = std::mt19937;

// One draw in [a, b] from a single engine output, computed in single
// precision: (b - a) * (float(u) / 2^32) + a. Equals b only when float(u)
// rounds up to 2^32.
float uniformDraw(RandomEngine& engine, float a, float b);

// The same rule applied to one given engine output.
float uniformFromOutput(std::uint32_t output, float a, float b);

} // namespace tavernrush
