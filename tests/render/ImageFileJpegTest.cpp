// JPEG pictures are decoded by libjpeg straight into 32 bits; every texel
// must be the one FreeImage's own reader and conversion give, or the game's
// look would shift with the decoder.

#include "render/ImageFile.h"

#include <FreeImage.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace tavernrush {
namespace {

struct Unload {
    void operator()(FIBITMAP* bitmap) const { FreeImage_Unload(bitmap); }
};
using Bitmap = std::unique_ptr<FIBITMAP, Unload>;

// A smooth pattern with sharp edges, so both the transform and the
// upsampling of the colour planes show in the texels.
Bitmap pattern(int width, int height, int bitsPerPixel)
{
    Bitmap bitmap(FreeImage_Allocate(width, height, bitsPerPixel));
    const int bytes = bitsPerPixel / 8;
    for (int y = 0; y < height; ++y) {
        BYTE* row = FreeImage_GetScanLine(bitmap.get(), y);
        for (int x = 0; x < width; ++x) {
            for (int c = 0; c < bytes; ++c) {
                row[x * bytes + c] = static_cast<BYTE>(((x * (c + 3) + y * 7) % 64) * 4 + ((x / 5 + y / 3) % 2) * 3);
            }
        }
    }
    if (bitsPerPixel == 8) {
        RGBQUAD* palette = FreeImage_GetPalette(bitmap.get());
        for (int i = 0; i < 256; ++i) {
            palette[i].rgbRed = palette[i].rgbGreen = palette[i].rgbBlue = static_cast<BYTE>(i);
        }
    }
    return bitmap;
}

std::vector<std::uint8_t> jpegBytes(FIBITMAP* bitmap, int flags)
{
    FIMEMORY* memory = FreeImage_OpenMemory();
    EXPECT_TRUE(FreeImage_SaveToMemory(FIF_JPEG, bitmap, memory, flags));
    BYTE* data = nullptr;
    DWORD size = 0;
    FreeImage_AcquireMemory(memory, &data, &size);
    std::vector<std::uint8_t> bytes(data, data + size);
    FreeImage_CloseMemory(memory);
    return bytes;
}

// FreeImage's way: its reader at default settings, then 32 bits.
Bitmap freeImageDecode(std::vector<std::uint8_t>& bytes, bool flipVertically)
{
    FIMEMORY* memory = FreeImage_OpenMemory(bytes.data(), static_cast<DWORD>(bytes.size()));
    const Bitmap loaded(FreeImage_LoadFromMemory(FIF_JPEG, memory, 0));
    FreeImage_CloseMemory(memory);
    if (flipVertically) {
        FreeImage_FlipVertical(loaded.get());
    }
    return Bitmap(FreeImage_ConvertTo32Bits(loaded.get()));
}

TEST(ImageFileJpegTest, TexelsAreFreeImagesOwn)
{
    struct Case {
        const char* name;
        int width, height, bitsPerPixel, flags;
    };
    const Case cases[] = {
        {"colour, halved chroma, odd size", 37, 19, 24, JPEG_QUALITYNORMAL | JPEG_SUBSAMPLING_420},
        {"colour, full chroma", 16, 24, 24, JPEG_QUALITYSUPERB | JPEG_SUBSAMPLING_444},
        {"colour, chroma halved across", 33, 8, 24, JPEG_QUALITYGOOD | JPEG_SUBSAMPLING_422},
        {"grey", 21, 13, 8, JPEG_QUALITYNORMAL},
    };
    for (const Case& test : cases) {
        std::vector<std::uint8_t> bytes = jpegBytes(pattern(test.width, test.height, test.bitsPerPixel).get(), test.flags);
        for (const bool flip : {false, true}) {
            SCOPED_TRACE(std::string(test.name) + (flip ? ", flipped" : ""));
            const ImageFile ours = ImageFile::decode(bytes, "picture.jpg", flip);
            const Bitmap theirs = freeImageDecode(bytes, flip);
            ASSERT_FALSE(ours.empty());
            ASSERT_EQ(ours.width(), test.width);
            ASSERT_EQ(ours.height(), test.height);
            ASSERT_EQ(ours.pitch(), static_cast<int>(FreeImage_GetPitch(theirs.get())));
            EXPECT_EQ(std::memcmp(ours.bits(), FreeImage_GetBits(theirs.get()),
                                  static_cast<std::size_t>(ours.pitch()) * static_cast<std::size_t>(test.height)),
                      0);
        }
    }
}

} // namespace
} // namespace tavernrush
