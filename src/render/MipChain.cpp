#include "render/MipChain.h"

#include <cstddef>

namespace tavernrush {
namespace {

// Halfway from a to b, a half rounded up: llvmpipe's 8-bit linear filter at
// a weight of one half.
int halfway(int a, int b) { return a + (((b - a) * 128 + 128) >> 8); }

bool isPowerOfTwo(int side) { return side > 0 && (side & (side - 1)) == 0; }

MipLevel halved(const std::uint8_t* pixels, int width, int height, int channels, int rowBytes)
{
    MipLevel level;
    level.width = width > 1 ? width / 2 : 1;
    level.height = height > 1 ? height / 2 : 1;
    level.pixels.resize(static_cast<std::size_t>(level.width) * static_cast<std::size_t>(level.height) *
                        static_cast<std::size_t>(channels));
    std::uint8_t* out = level.pixels.data();
    for (int y = 0; y < level.height; ++y) {
        const std::uint8_t* row0 = pixels + static_cast<std::ptrdiff_t>(height > 1 ? 2 * y : 0) * rowBytes;
        const std::uint8_t* row1 = pixels + static_cast<std::ptrdiff_t>(height > 1 ? 2 * y + 1 : 0) * rowBytes;
        for (int x = 0; x < level.width; ++x) {
            const int left = (width > 1 ? 2 * x : 0) * channels;
            const int right = (width > 1 ? 2 * x + 1 : 0) * channels;
            for (int c = 0; c < channels; ++c) {
                const int upper = halfway(row0[left + c], row0[right + c]);
                const int lower = halfway(row1[left + c], row1[right + c]);
                *out++ = static_cast<std::uint8_t>(halfway(upper, lower));
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
