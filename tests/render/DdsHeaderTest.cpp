// The DDS header check that keeps a file cut short from reaching FreeImage,
// which would read past its end without complaint.

#include "render/DdsHeader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace tavernrush {
namespace {

void putU32(std::vector<std::uint8_t>& bytes, std::size_t offset, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i) {
        bytes[offset + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

std::uint32_t fourCc(const char* code)
{
    return static_cast<std::uint32_t>(code[0]) | static_cast<std::uint32_t>(code[1]) << 8 |
           static_cast<std::uint32_t>(code[2]) << 16 | static_cast<std::uint32_t>(code[3]) << 24;
}

std::vector<std::uint8_t> header(std::uint32_t width, std::uint32_t height)
{
    std::vector<std::uint8_t> bytes(ddsHeaderBytes, 0);
    putU32(bytes, 0, fourCc("DDS "));
    putU32(bytes, 4, 124);
    putU32(bytes, 8, 0x1 | 0x2 | 0x4 | 0x1000);
    putU32(bytes, 12, height);
    putU32(bytes, 16, width);
    putU32(bytes, 76, 32);
    return bytes;
}

std::vector<std::uint8_t> compressed(const char* code, std::uint32_t width, std::uint32_t height)
{
    std::vector<std::uint8_t> bytes = header(width, height);
    putU32(bytes, 80, 0x4);
    putU32(bytes, 84, fourCc(code));
    return bytes;
}

std::vector<std::uint8_t> uncompressed(std::uint32_t width, std::uint32_t height, std::uint32_t bits,
                                       std::uint32_t pitch = 0)
{
    std::vector<std::uint8_t> bytes = header(width, height);
    putU32(bytes, 80, 0x40);
    putU32(bytes, 88, bits);
    if (pitch != 0) {
        putU32(bytes, 8, 0x1 | 0x2 | 0x4 | 0x8 | 0x1000);
        putU32(bytes, 20, pitch);
    }
    return bytes;
}

bool completeAt(const std::vector<std::uint8_t>& bytes, std::uintmax_t pixelBytes)
{
    return ddsFileIsComplete(bytes, ddsHeaderBytes + pixelBytes);
}

// --- Block-compressed pictures ------------------------------------------------

TEST(DdsHeaderTest, Dxt1NeedsEightBytesPerFourByFourBlock)
{
    const auto dxt1 = compressed("DXT1", 512, 512);
    EXPECT_TRUE(completeAt(dxt1, 128 * 128 * 8));
    EXPECT_FALSE(completeAt(dxt1, 128 * 128 * 8 - 1)) << "one byte short";
    EXPECT_FALSE(completeAt(dxt1, (128 * 128 * 8) / 4)) << "cut to a quarter";
}

TEST(DdsHeaderTest, Dxt3AndDxt5NeedSixteenBytesPerBlock)
{
    for (const char* code : {"DXT3", "DXT5"}) {
        const auto bytes = compressed(code, 64, 32);
        EXPECT_TRUE(completeAt(bytes, 16 * 8 * 16)) << code;
        EXPECT_FALSE(completeAt(bytes, 16 * 8 * 16 - 1)) << code;
    }
}

// FreeImage crops such a picture to whole blocks and shears what is left
// (it reads the next row's blocks one too early), or decodes nothing.
TEST(DdsHeaderTest, BlockCompressedSidesThatAreNotWholeBlocksAreRefused)
{
    EXPECT_TRUE(completeAt(compressed("DXT1", 8, 4), 2 * 8));
    EXPECT_FALSE(completeAt(compressed("DXT1", 6, 4), 1 << 10));
    EXPECT_FALSE(completeAt(compressed("DXT5", 4, 7), 1 << 10));
    EXPECT_FALSE(completeAt(compressed("DXT3", 2, 2), 1 << 10));
}

TEST(DdsHeaderTest, CompressionFreeImageCannotReadIsRefused)
{
    EXPECT_FALSE(completeAt(compressed("DX10", 64, 64), 1 << 20));
    EXPECT_FALSE(completeAt(compressed("ATI2", 64, 64), 1 << 20));
}

// --- Uncompressed pictures ------------------------------------------------------

TEST(DdsHeaderTest, UncompressedRowsNeedWidthTimesBytesPerPixel)
{
    EXPECT_TRUE(completeAt(uncompressed(3, 2, 32), 3 * 2 * 4));
    EXPECT_FALSE(completeAt(uncompressed(3, 2, 32), 3 * 2 * 4 - 1));
    EXPECT_TRUE(completeAt(uncompressed(3, 2, 24), 3 * 2 * 3));
    EXPECT_FALSE(completeAt(uncompressed(3, 2, 24), 3 * 2 * 3 - 1));
}

TEST(DdsHeaderTest, PaddedRowsNeedThePitchExceptOnTheLastRow)
{
    const auto bytes = uncompressed(3, 2, 24, 12);
    EXPECT_TRUE(completeAt(bytes, 12 + 9));
    EXPECT_FALSE(completeAt(bytes, 12 + 8));
}

TEST(DdsHeaderTest, BitCountsThatAreNotWholeBytesAreRefused)
{
    EXPECT_FALSE(completeAt(uncompressed(4, 4, 0), 1 << 10));
    EXPECT_FALSE(completeAt(uncompressed(4, 4, 12), 1 << 10));
    EXPECT_FALSE(completeAt(uncompressed(4, 4, 64), 1 << 10));
}

// FreeImage takes a header that sets both the RGB and the four-character-code
// flag for uncompressed RGB, which needs far more bytes than the blocks.
TEST(DdsHeaderTest, RgbFlagCountsBeforeTheCompressionCode)
{
    auto both = uncompressed(4, 4, 32);
    putU32(both, 80, 0x40 | 0x4);
    putU32(both, 84, fourCc("DXT1"));
    EXPECT_FALSE(completeAt(both, 8)) << "enough for one DXT1 block";
    EXPECT_TRUE(completeAt(both, 4 * 4 * 4));
}

// --- Headers that are no DDS header ------------------------------------------------

TEST(DdsHeaderTest, WrongMagicOrFieldSizesAreRefused)
{
    auto bytes = compressed("DXT1", 4, 4);
    ASSERT_TRUE(completeAt(bytes, 8)) << "the intact header";
    bytes[0] = 'X';
    EXPECT_FALSE(completeAt(bytes, 8));

    bytes = compressed("DXT1", 4, 4);
    putU32(bytes, 4, 100);
    EXPECT_FALSE(completeAt(bytes, 8)) << "header size";

    bytes = compressed("DXT1", 4, 4);
    putU32(bytes, 76, 0);
    EXPECT_FALSE(completeAt(bytes, 8)) << "pixel format size";
}

TEST(DdsHeaderTest, ZeroOrOversizedSidesAreRefused)
{
    EXPECT_FALSE(completeAt(compressed("DXT1", 0, 4), 1 << 20));
    EXPECT_FALSE(completeAt(compressed("DXT1", 4, 0), 1 << 20));
    // A side past 16384 is refused even when the file is long enough.
    EXPECT_TRUE(completeAt(compressed("DXT1", 16384, 4), 4096 * 8));
    EXPECT_FALSE(completeAt(compressed("DXT1", 16388, 4), 4097 * 8));
    EXPECT_FALSE(completeAt(compressed("DXT1", 0xFFFFFFFFu, 0xFFFFFFFFu), UINTMAX_MAX - ddsHeaderBytes));
}

TEST(DdsHeaderTest, FilesShorterThanTheHeaderAreRefused)
{
    const auto bytes = compressed("DXT1", 4, 4);
    EXPECT_FALSE(ddsFileIsComplete(std::span<const std::uint8_t>(bytes.data(), 64), 64));
    EXPECT_FALSE(ddsFileIsComplete(bytes, ddsHeaderBytes - 1));
    EXPECT_FALSE(ddsFileIsComplete({}, 0));
}

} // namespace
} // namespace tavernrush
