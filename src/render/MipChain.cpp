#include "render/MipChain.h"

#include <cstddef>

namespace tavernrush {
namespace {

// Halfway from a to b, a half rounded up: llvmpipe's 8-bit linear filter at
// a weight of one half, a + ((b - a) * 128 + 128 >> 8), which is (a + b + 1) / 2.
std::uint8_t halfway(int a, int b) { return static_cast<std::uint8_t>((a + b + 1) >> 1); }

bool isPowerOfTwo(int side) { return side > 0 && (side & (side - 1)) == 0; }

// One row of the next level from two rows of this one, with the channel
// count known here: the compiler then keeps each texel's bytes in registers
// instead of indexing them, and the game's four-channel pictures halve in a
// third of the time.
template <int channels>
void halveRow(const std::uint8_t* __restrict row0, const std::uint8_t* __restrict row1, std::uint8_t* __restrict out,
              int outWidth)
{
    for (int x = 0; x < outWidth; ++x) {
        const int left = 2 * x * channels;
        for (int c = 0; c < channels; ++c) {
            out[x * channels + c] = halfway(halfway(row0[left + c], row0[left + channels + c]),
                                            halfway(row1[left + c], row1[left + channels + c]));
        }
    }
}

MipLevel halved(const std::uint8_t* pixels, int width, int height, int channels, int rowBytes)
{
    MipLevel level;
    level.width = width > 1 ? width / 2 : 1;
    level.height = height > 1 ? height / 2 : 1;
    level.pixels.resize(static_cast<std::size_t>(level.width) * static_cast<std::size_t>(level.height) *
                        static_cast<std::size_t>(channels));
    std::uint8_t* out = level.pixels.data();
    if (channels == 4 && width > 1 && height > 1) {
        const auto outRowBytes = static_cast<std::ptrdiff_t>(level.width) * 4;
        for (int y = 0; y < level.height; ++y) {
            const std::uint8_t* row0 = pixels + static_cast<std::ptrdiff_t>(2 * y) * rowBytes;
            halveRow<4>(row0, row0 + rowBytes, out + y * outRowBytes, level.width);
        }
        return level;
    }
    // Any channel count, and the last levels, one texel wide or high.
    for (int y = 0; y < level.height; ++y) {
        const std::uint8_t* row0 = pixels + static_cast<std::ptrdiff_t>(height > 1 ? 2 * y : 0) * rowBytes;
        const std::uint8_t* row1 = pixels + static_cast<std::ptrdiff_t>(height > 1 ? 2 * y + 1 : 0) * rowBytes;
        for (int x = 0; x < level.width; ++x) {
            const int left = (width > 1 ? 2 * x : 0) * channels;
            const int right = (width > 1 ? 2 * x + 1 : 0) * channels;
            for (int c = 0; c < channels; ++c) {
                *out++ = halfway(halfway(row0[left + c], row0[right + c]), halfway(row1[left + c], row1[right + c]));
            }
        }
    }
    return level;
}

} // namespace

bool halvesExactly(int width, int height) { return isPowerOfTwo(width) && isPowerOfTwo(height); }

std::vector<MipLevel> smallerLevels(const std::uint8_t* pixels, int width, int height, int channels, int rowBytes)
{
    std::vector<MipLevel> levels;
    if (pixels == nullptr || !halvesExactly(width, height) || channels <= 0) {
        return levels;
    }
    while (width > 1 || height > 1) {
        levels.push_back(halved(pixels, width, height, channels, rowBytes));
        const MipLevel& last = levels.back();
        pixels = last.pixels.data();
        width = last.width;
        height = last.height;
        rowBytes = width * channels;
    }
    return levels;
}

} // namespace tavernrush
