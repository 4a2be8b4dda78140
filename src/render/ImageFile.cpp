#include "render/ImageFile.h"

#include "render/DdsHeader.h"

#include <FreeImage.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>

namespace tavernrush {
namespace {

// FreeImage reports decoder trouble (a JPEG cut short, a corrupt PNG) through
// one process-wide callback and may still hand back a half-decoded picture.
// While a load runs, its complaints are counted here.
thread_local int decoderComplaints = 0;

void countDecoderComplaint(FREE_IMAGE_FORMAT, const char*) { ++decoderComplaints; }

void listenForDecoderComplaints()
{
    static const bool listening = [] {
        FreeImage_SetOutputMessage(countDecoderComplaint);
        return true;
    }();
    (void)listening;
}

bool ddsFileOnDiskIsComplete(const std::string& path)
{
    std::array<std::uint8_t, ddsHeaderBytes> header{};
    std::ifstream file(path, std::ios::binary);
    file.read(reinterpret_cast<char*>(header.data()), static_cast<std::streamsize>(header.size()));
    const auto headerBytes = static_cast<std::size_t>(std::max<std::streamsize>(file.gcount(), 0));
    std::error_code error;
    const std::uintmax_t fileSize = std::filesystem::file_size(path, error);
    return !error && ddsFileIsComplete(std::span<const std::uint8_t>(header.data(), headerBytes), fileSize);
}

} // namespace

void ImageFile::Unloader::operator()(FIBITMAP* bitmap) const { FreeImage_Unload(bitmap); }

ImageFile ImageFile::load(const std::string& path, bool flipVertically)
{
    listenForDecoderComplaints();
    ImageFile image;
    FREE_IMAGE_FORMAT format = FreeImage_GetFileType(path.c_str(), 0);
    if (format == FIF_UNKNOWN) {
        format = FreeImage_GetFIFFromFilename(path.c_str());
    }
    if (format == FIF_UNKNOWN || !FreeImage_FIFSupportsReading(format)) {
        return image;
    }
    if (format == FIF_DDS && !ddsFileOnDiskIsComplete(path)) {
        return image;
    }
    decoderComplaints = 0;
    std::unique_ptr<FIBITMAP, Unloader> loaded(FreeImage_Load(format, path.c_str(), 0));
    // A picture the decoder complained about is damaged: better the empty
    // texture and its console line than grey or garbled bands on screen.
    if (!loaded || decoderComplaints > 0) {
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
