// Material images before any GL: which files stb_image is allowed to decode.
// JPEGs go past libjpeg first, so a damaged one is refused rather than
// decoded from memory stb_image never set (or half grey).

#include "model/MaterialImage.h"

#include <gtest/gtest.h>
#include <stb_image.h>
#include <stb_image_write.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace tavernrush {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr int anyDriver = 16384;

Bytes jpegBytes(int width, int height)
{
    std::vector<unsigned char> pixels(static_cast<std::size_t>(width * height * 3));
    for (std::size_t k = 0; k < pixels.size(); ++k) {
        pixels[k] = static_cast<unsigned char>(k * 37 + 11);
    }
    Bytes bytes;
    stbi_write_jpg_to_func(
        [](void* context, void* data, int size) {
            auto* out = static_cast<Bytes*>(context);
            const auto* first = static_cast<const std::uint8_t*>(data);
            out->insert(out->end(), first, first + size);
        },
        &bytes, width, height, 3, pixels.data(), 90);
    return bytes;
}

std::size_t markerAt(const Bytes& bytes, std::uint8_t marker)
{
    for (std::size_t k = 0; k + 1 < bytes.size(); ++k) {
        if (bytes[k] == 0xFF && bytes[k + 1] == marker) {
            return k;
        }
    }
    return bytes.size();
}

TEST(MaterialImageTest, WholeJpegAndJpegWithStrayBytesDecode)
{
    Bytes bytes = jpegBytes(16, 8);
    const MaterialImage whole = decodeMaterialImage(bytes, anyDriver);
    ASSERT_FALSE(whole.empty());
    EXPECT_EQ(whole.width, 16);
    EXPECT_EQ(whole.channels, 3);

    bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(markerAt(bytes, 0xDB)), {0x05, 0x05});
    EXPECT_FALSE(decodeMaterialImage(bytes, anyDriver).empty());
}

// One damaged byte in the scan: stb_image alone decodes the picture into
// wrong pixels without a word, libjpeg finds a bad Huffman code.
TEST(MaterialImageTest, JpegWithACorruptScanIsRefused)
{
    const Bytes whole = jpegBytes(16, 8);
    Bytes damaged = whole;
    damaged[damaged.size() - 72] ^= 0x55;

    int width = 0;
    int height = 0;
    int channels = 0;
    stbi_uc* intact = stbi_load_from_memory(whole.data(), static_cast<int>(whole.size()), &width, &height, &channels, 0);
    stbi_uc* garbled = stbi_load_from_memory(damaged.data(), static_cast<int>(damaged.size()), &width, &height, &channels, 0);
    ASSERT_NE(garbled, nullptr) << "the damage this test needs: stb_image decodes it";
    const bool differs = std::memcmp(intact, garbled, 16 * 8 * 3) != 0;
    stbi_image_free(intact);
    stbi_image_free(garbled);
    ASSERT_TRUE(differs) << "the damage this test needs: it changes pixels";

    EXPECT_TRUE(decodeMaterialImage(damaged, anyDriver).empty());
}

TEST(MaterialImageTest, DamagedJpegsAreRefused)
{
    const Bytes whole = jpegBytes(16, 8);
    const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(whole.size() / 2));
    EXPECT_TRUE(decodeMaterialImage(cut, anyDriver).empty()) << "cut short";

    // The scan header's table selectors, one byte per component after the
    // component id: point every component at Huffman tables 3, never defined.
    Bytes undefinedTable = whole;
    const std::size_t scan = markerAt(undefinedTable, 0xDA);
    ASSERT_LT(scan + 5, undefinedTable.size());
    const std::size_t components = undefinedTable[scan + 4];
    for (std::size_t c = 0; c < components; ++c) {
        undefinedTable[scan + 6 + 2 * c] = 0x33;
    }
    EXPECT_TRUE(decodeMaterialImage(undefinedTable, anyDriver).empty()) << "undefined Huffman table";
}

TEST(MaterialImageTest, SideBeyondTheDriverLimitIsRefused)
{
    const Bytes bytes = jpegBytes(16, 8);
    EXPECT_FALSE(decodeMaterialImage(bytes, 16).empty());
    EXPECT_TRUE(decodeMaterialImage(bytes, 15).empty());
    EXPECT_TRUE(decodeMaterialImage({}, anyDriver).empty());
}

} // namespace
} // namespace tavernrush
