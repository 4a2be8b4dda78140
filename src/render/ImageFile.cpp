#include "render/ImageFile.h"

#include "render/DdsHeader.h"
#include "render/ImageFileBytes.h"
#include "render/ImageFileJpeg.h"
#include "render/StartupSteps.h"

#include <FreeImage.h>

#include <algorithm>
#include <cstddef>
#include <utility>
#include <limits>

namespace tavernrush {
namespace {

// FreeImage reports decoder trouble (a JPEG cut short, a corrupt PNG) through
// one process-wide callback and may still hand back a half-decoded picture.
// The callback is given only the format and the text: errors and warnings
// are not told apart there (libjpeg sends both through it, and an error only
// differs in that no picture comes back). While a load runs, its complaints
// are counted here.
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

// A read-only FreeImage stream over bytes the caller keeps alive.
class MemoryStream {
public:
    explicit MemoryStream(std::span<const std::uint8_t> bytes)
        // FreeImage only reads from a stream opened on existing bytes.
        : memory_(FreeImage_OpenMemory(const_cast<BYTE*>(bytes.data()), static_cast<DWORD>(bytes.size())))
    {
    }
    ~MemoryStream() { FreeImage_CloseMemory(memory_); }
    MemoryStream(const MemoryStream&) = delete;
    MemoryStream& operator=(const MemoryStream&) = delete;

    // Each read starts from the first byte.
    FIMEMORY* rewound() const
    {
        FreeImage_SeekMemory(memory_, 0, SEEK_SET);
        return memory_;
    }

private:
    FIMEMORY* memory_;
};

struct BitmapUnloader {
    void operator()(FIBITMAP* bitmap) const { FreeImage_Unload(bitmap); }
};
using Bitmap = std::unique_ptr<FIBITMAP, BitmapUnloader>;

// The game's pictures are JPEG, PNG and DDS files. FreeImage would read some
// thirty more formats, and its readers of those are not all sound: its TGA
// reader leaves the pixels of a damaged run-length picture unset (the same
// file gives a different picture each time). A file of another kind is not
// handed to FreeImage at all.
bool isGamePictureFormat(FREE_IMAGE_FORMAT format)
{
    return format == FIF_JPEG || format == FIF_PNG || format == FIF_DDS;
}

bool sizeIsUsable(FIBITMAP* bitmap)
{
    const unsigned width = FreeImage_GetWidth(bitmap);
    const unsigned height = FreeImage_GetHeight(bitmap);
    return width > 0 && height > 0 && width <= largestPictureSide && height <= largestPictureSide;
}

// Where the decoder can read the header alone, a picture claiming a size no
// texture can take is refused before memory for its pixels is taken.
bool headerSizeIsUsable(const MemoryStream& stream, FREE_IMAGE_FORMAT format)
{
    if (!FreeImage_FIFSupportsNoPixels(format)) {
        return true;
    }
    const Bitmap header(FreeImage_LoadFromMemory(format, stream.rewound(), FIF_LOAD_NOPIXELS));
    return header != nullptr && sizeIsUsable(header.get());
}

} // namespace

void ImageFile::Unloader::operator()(FIBITMAP* bitmap) const { FreeImage_Unload(bitmap); }

ImageFile ImageFile::load(const std::string& path, bool flipVertically)
{
    return decode(readFileBytes(path), path, flipVertically);
}

ImageFile ImageFile::decode(std::span<const std::uint8_t> bytes, const std::string& name, bool flipVertically)
{
    listenForDecoderComplaints();
    ImageFile image;
    // FreeImage's memory streams count in 32 bits.
    if (bytes.empty() || bytes.size() > std::numeric_limits<DWORD>::max()) {
        return image;
    }
    const MemoryStream stream(bytes);
    FREE_IMAGE_FORMAT format = FreeImage_GetFileTypeFromMemory(stream.rewound(), 0);
    if (format == FIF_UNKNOWN) {
        format = FreeImage_GetFIFFromFilename(name.c_str());
    }
    if (!isGamePictureFormat(format)) {
        return image;
    }
    if (format == FIF_DDS && !ddsFileIsComplete(bytes.first(std::min(bytes.size(), ddsHeaderBytes)), bytes.size())) {
        return image;
    }
    if (!headerSizeIsUsable(stream, format)) {
        return image;
    }
    const StartupStepTimer timer(format == FIF_JPEG ? "decode JPEG" : format == FIF_PNG ? "decode PNG" : "decode DDS");
    if (format == FIF_JPEG) {
        FIBITMAP* decoded = nullptr;
        const JpegDecoding outcome = decodeJpegTo32Bits(bytes, flipVertically, decoded);
        if (outcome == JpegDecoding::failed) {
            return image;
        }
        if (outcome == JpegDecoding::decoded) {
            image.bitmap_.reset(decoded);
            image.width_ = static_cast<int>(FreeImage_GetWidth(decoded));
            image.height_ = static_cast<int>(FreeImage_GetHeight(decoded));
            return image;
        }
    }
    decoderComplaints = 0;
    Bitmap loaded(FreeImage_LoadFromMemory(format, stream.rewound(), 0));
    // A picture the decoder complained about is damaged: better the empty
    // texture and its console line than grey or garbled bands on screen.
    // libjpeg also complains about stray bytes that cost no pixel; whether a
    // JPEG lost any is asked of libjpeg itself, which tells every warning
    // apart (FreeImage passes on only the first).
    const bool damaged = decoderComplaints > 0 && !(format == FIF_JPEG && jpegDecodesWhole(bytes));
    if (!loaded || damaged || !sizeIsUsable(loaded.get())) {
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

void ImageFile::swapRedAndBlue()
{
    if (!bitmap_) {
        return;
    }
    std::uint8_t* rows = FreeImage_GetBits(bitmap_.get());
    const int rowBytes = pitch();
    for (int y = 0; y < height_; ++y) {
        std::uint8_t* texel = rows + static_cast<std::ptrdiff_t>(y) * rowBytes;
        for (int x = 0; x < width_; ++x, texel += 4) {
            std::swap(texel[0], texel[2]);
        }
    }
}

int ImageFile::pitch() const { return bitmap_ ? static_cast<int>(FreeImage_GetPitch(bitmap_.get())) : 0; }

} // namespace tavernrush
