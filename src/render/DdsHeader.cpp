#include "render/DdsHeader.h"

#include <algorithm>

namespace tavernrush {
namespace {

// Field offsets from the start of the file (after the 4-byte magic number).
constexpr std::size_t headerSizeOffset = 4;
constexpr std::size_t flagsOffset = 8;
constexpr std::size_t heightOffset = 12;
constexpr std::size_t widthOffset = 16;
constexpr std::size_t pitchOffset = 20;
constexpr std::size_t formatSizeOffset = 76;
constexpr std::size_t formatFlagsOffset = 80;
constexpr std::size_t fourCcOffset = 84;
constexpr std::size_t bitCountOffset = 88;

constexpr std::uint32_t headerSize = 124;
constexpr std::uint32_t formatSize = 32;
constexpr std::uint32_t pitchGiven = 0x8;
constexpr std::uint32_t fourCcGiven = 0x4;
constexpr std::uint32_t rgbGiven = 0x40;

std::uint32_t readU32(std::span<const std::uint8_t> bytes, std::size_t offset)
{
    return static_cast<std::uint32_t>(bytes[offset]) | static_cast<std::uint32_t>(bytes[offset + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[offset + 2]) << 16 | static_cast<std::uint32_t>(bytes[offset + 3]) << 24;
}

constexpr std::uint32_t fourCc(char a, char b, char c, char d)
{
    return static_cast<std::uint32_t>(static_cast<unsigned char>(a)) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b)) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(c)) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(d)) << 24;
}

// Bytes of the full-size picture, or 0 for a pixel format FreeImage cannot read.
std::uint64_t pixelBytes(std::span<const std::uint8_t> header, std::uint64_t width, std::uint64_t height)
{
    const std::uint32_t formatFlags = readU32(header, formatFlagsOffset);
    // FreeImage reads a header that claims both as uncompressed RGB.
    if ((formatFlags & rgbGiven) != 0) {
        const std::uint32_t bitCount = readU32(header, bitCountOffset);
        if (bitCount == 0 || bitCount > 32 || bitCount % 8 != 0) {
            return 0;
        }
        const std::uint64_t row = width * (bitCount / 8);
        // Rows may be padded to a larger pitch; the last row needs no padding.
        const std::uint64_t pitch = (readU32(header, flagsOffset) & pitchGiven) != 0
                                        ? std::max<std::uint64_t>(row, readU32(header, pitchOffset))
                                        : row;
        return pitch * (height - 1) + row;
    }
    if ((formatFlags & fourCcGiven) != 0) {
        // FreeImage decodes whole 4 x 4 blocks only: it drops a partial block
        // at the edge and reads the next row's blocks one too early, which
        // shears the picture, or gives nothing for a side under 4.
        if (width % 4 != 0 || height % 4 != 0) {
            return 0;
        }
        const std::uint64_t blocks = (width / 4) * (height / 4);
        switch (readU32(header, fourCcOffset)) {
        case fourCc('D', 'X', 'T', '1'): return blocks * 8;
        case fourCc('D', 'X', 'T', '3'):
        case fourCc('D', 'X', 'T', '5'): return blocks * 16;
        default: return 0;
        }
    }
    return 0;
}

} // namespace

bool ddsFileIsComplete(std::span<const std::uint8_t> header, std::uintmax_t fileSize)
{
    if (header.size() < ddsHeaderBytes || fileSize < ddsHeaderBytes) {
        return false;
    }
    if (readU32(header, 0) != fourCc('D', 'D', 'S', ' ') || readU32(header, headerSizeOffset) != headerSize ||
        readU32(header, formatSizeOffset) != formatSize) {
        return false;
    }
    const std::uint64_t width = readU32(header, widthOffset);
    const std::uint64_t height = readU32(header, heightOffset);
    if (width == 0 || height == 0 || width > largestPictureSide || height > largestPictureSide) {
        return false;
    }
    const std::uint64_t pixels = pixelBytes(header, width, height);
    return pixels != 0 && fileSize - ddsHeaderBytes >= pixels;
}

} // namespace tavernrush
