#include "IconFiles.h"

#include <FreeImage.h>

#include <cstdint>
#include <memory>

namespace tavernrush::icon {
namespace {

struct BitmapUnloader {
    void operator()(FIBITMAP* bitmap) const { FreeImage_Unload(bitmap); }
};
using Bitmap = std::unique_ptr<FIBITMAP, BitmapUnloader>;

// FreeImage keeps the bottom row first; ours are top first.
unsigned scanLineOfRow(unsigned height, int row) { return height - 1 - static_cast<unsigned>(row); }

} // namespace

std::optional<RgbaImage> loadPicture(const std::filesystem::path& path)
{
    const std::string name = path.string();
    FREE_IMAGE_FORMAT format = FreeImage_GetFileType(name.c_str(), 0);
    if (format == FIF_UNKNOWN) {
        format = FreeImage_GetFIFFromFilename(name.c_str());
    }
    if (format == FIF_UNKNOWN || !FreeImage_FIFSupportsReading(format)) {
        return std::nullopt;
    }
    const Bitmap loaded(FreeImage_Load(format, name.c_str(), 0));
    if (!loaded) {
        return std::nullopt;
    }
    const Bitmap bgra(FreeImage_ConvertTo32Bits(loaded.get()));
    if (!bgra) {
        return std::nullopt;
    }
    const unsigned height = FreeImage_GetHeight(bgra.get());
    RgbaImage image(static_cast<int>(FreeImage_GetWidth(bgra.get())), static_cast<int>(height));
    for (int y = 0; y < image.height; ++y) {
        const BYTE* line = FreeImage_GetScanLine(bgra.get(), static_cast<int>(scanLineOfRow(height, y)));
        for (int x = 0; x < image.width; ++x) {
            const BYTE* source = line + 4 * x;
            std::uint8_t* target = &image.pixels[(static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) + static_cast<std::size_t>(x)) * 4];
            target[0] = source[FI_RGBA_RED];
            target[1] = source[FI_RGBA_GREEN];
            target[2] = source[FI_RGBA_BLUE];
            target[3] = source[FI_RGBA_ALPHA];
        }
    }
    return image;
}

bool savePng(const RgbaImage& image, const std::filesystem::path& path)
{
    if (image.empty()) {
        return false;
    }
    const Bitmap bgra(FreeImage_Allocate(image.width, image.height, 32, FI_RGBA_RED_MASK, FI_RGBA_GREEN_MASK, FI_RGBA_BLUE_MASK));
    if (!bgra) {
        return false;
    }
    const unsigned height = static_cast<unsigned>(image.height);
    for (int y = 0; y < image.height; ++y) {
        BYTE* line = FreeImage_GetScanLine(bgra.get(), static_cast<int>(scanLineOfRow(height, y)));
        for (int x = 0; x < image.width; ++x) {
            const std::uint8_t* source = &image.pixels[(static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) + static_cast<std::size_t>(x)) * 4];
            BYTE* target = line + 4 * x;
            target[FI_RGBA_RED] = source[0];
            target[FI_RGBA_GREEN] = source[1];
            target[FI_RGBA_BLUE] = source[2];
            target[FI_RGBA_ALPHA] = source[3];
        }
    }
    return FreeImage_Save(FIF_PNG, bgra.get(), path.string().c_str(), PNG_DEFAULT) != 0;
}

} // namespace tavernrush::icon
