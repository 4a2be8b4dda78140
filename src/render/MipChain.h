#pragma once
// A picture's smaller mipmap levels, made on the CPU so a worker thread can
// build them while the window opens. Each texel is the average of a 2 x 2
// block of the level above, rows first, each half rounded up: bit for bit
// what Mesa's llvmpipe gives for glGenerateMipmap on these 8-bit formats, so
// the pictures on screen stay those the driver would have made. Only sides
// that are powers of two halve exactly; other pictures leave the chain to
// the driver.

#include <cstdint>
#include <vector>

namespace tavernrush {

struct MipLevel {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels; // tightly packed rows
};

// True when both sides are powers of two (1 included).
bool halvesExactly(int width, int height);

// Levels 1 to the last (1 x 1) of a picture of `channels` bytes per texel,
// rows `rowBytes` apart. Empty when the sides do not halve exactly.
std::vector<MipLevel> smallerLevels(const std::uint8_t* pixels, int width, int height, int channels, int rowBytes);

} // namespace tavernrush
