#pragma once
// A picture decoded by FreeImage and converted to 32-bit BGRA, the form in
// which 2D textures and cube faces are uploaded.

#include <cstdint>
#include <memory>
#include <string>

struct FIBITMAP;

namespace tavernrush {

class ImageFile {
public:
    // Decodes `path`; an unreadable, undecodable or damaged file (one the
    // decoder complained about, or a DDS file shorter than its header says)
    // gives an empty image.
    // flipVertically turns FreeImage's bottom-up rows into top-down order.
    static ImageFile load(const std::string& path, bool flipVertically);

    bool empty() const { return bitmap_ == nullptr; }
    int width() const { return width_; }
    int height() const { return height_; }
    // Rows of width * 4 bytes, each row padded to `pitch()` bytes.
    const std::uint8_t* bits() const;
    int pitch() const;

private:
    struct Unloader {
        void operator()(FIBITMAP* bitmap) const;
    };
    std::unique_ptr<FIBITMAP, Unloader> bitmap_;
    int width_ = 0;
    int height_ = 0;
};

} // namespace tavernrush
