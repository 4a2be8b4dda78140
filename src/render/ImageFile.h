#pragma once
// A picture decoded into a 32-bit BGRA FreeImage bitmap, the form in which
// 2D textures and cube faces are uploaded: JPEG files by libjpeg directly,
// as FreeImage would decode them; PNG and DDS files by FreeImage.

#include <cstdint>
#include <memory>
#include <span>
#include <string>

struct FIBITMAP;

namespace tavernrush {

class ImageFile {
public:
    // Decodes a JPEG, PNG or DDS file; any other kind of file, an unreadable,
    // undecodable or damaged one (one the decoder complained about, or a DDS
    // file shorter than its header says) or one wider or taller than
    // largestPictureSide gives an empty image.
    // A JPEG whose only complaints leave every pixel in place (stray bytes
    // between its sections) is not damaged.
    // flipVertically turns FreeImage's bottom-up rows into top-down order.
    static ImageFile load(const std::string& path, bool flipVertically);

    // The same for a file already in memory. `name` only serves to guess the
    // format of a file whose first bytes do not tell it (by its extension).
    static ImageFile decode(std::span<const std::uint8_t> bytes, const std::string& name, bool flipVertically);

    bool empty() const { return bitmap_ == nullptr; }
    int width() const { return width_; }
    int height() const { return height_; }
    // Rows of width * 4 bytes, each row padded to `pitch()` bytes.
    const std::uint8_t* bits() const;
    int pitch() const;
    // Turns the rows into RGBA order, the order of the textures' own
    // storage, so the upload is a plain copy instead of a swizzle.
    void swapRedAndBlue();

private:
    struct Unloader {
        void operator()(FIBITMAP* bitmap) const;
    };
    std::unique_ptr<FIBITMAP, Unloader> bitmap_;
    int width_ = 0;
    int height_ = 0;
};

} // namespace tavernrush
