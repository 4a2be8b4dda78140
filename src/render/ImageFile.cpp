#include "render/ImageFile.h"

#include <FreeImage.h>

namespace tavernrush {

void ImageFile::Unloader::operator()(FIBITMAP* bitmap) const { FreeImage_Unload(bitmap); }

ImageFile ImageFile::load(const std::string& path, bool flipVertically)
{
    ImageFile image;
    FREE_IMAGE_FORMAT format = FreeImage_GetFileType(path.c_str(), 0);
    if (format == FIF_UNKNOWN) {
        format = FreeImage_GetFIFFromFilename(path.c_str());
    }
    if (format == FIF_UNKNOWN || !FreeImage_FIFSupportsReading(format)) {
        return image;
    }
    std::unique_ptr<FIBITMAP, Unloader> loaded(FreeImage_Load(format, path.c_str(), 0));
    if (!loaded) {
        return image;
    }
    if (flipVertically) {
        FreeImage_FlipVertical(loaded.get());
    }
    image.bitmap_.reset(FreeImage_ConvertTo32Bits(loaded.get()));
    if (image.bitmap_) {
        image.width_ = static_cast<int>(FreeImage_GetWidth(image.bitmap_.get()));
        image.height_ = static_cast<int>(FreeImage_GetHeight(image.bitmap_.get()));
    }
    return image;
}

const std::uint8_t* ImageFile::bits() const { return bitmap_ ? FreeImage_GetBits(bitmap_.get()) : nullptr; }

int ImageFile::pitch() const { return bitmap_ ? static_cast<int>(FreeImage_GetPitch(bitmap_.get())) : 0; }

} // namespace tavernrush
