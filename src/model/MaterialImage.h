#pragma once
// A material's image as stb_image decodes it, in the file's own channel
// count, with the size and channel rules applied before anything reaches GL.

#include <GL/glew.h>

#include <cstdint>
#include <memory>
#include <span>

namespace tavernrush {

struct MaterialImage {
    struct PixelsFree {
        void operator()(std::uint8_t* pixels) const;
    };
    // Rows of width * channels bytes, tightly packed, top row first.
    std::unique_ptr<std::uint8_t, PixelsFree> pixels;
    int width = 0;
    int height = 0;
    int channels = 0;

    bool empty() const { return pixels == nullptr; }
};

// Decodes an image file held in memory. An image stb_image cannot read, one
// with a side beyond `largestSide` (the driver's texture limit, checked from
// the header before any pixel memory is taken), one whose channel count has
// no GL format or a JPEG that libjpeg cannot decode whole gives an empty
// image.
MaterialImage decodeMaterialImage(std::span<const std::uint8_t> bytes, int largestSide);

// The GL pixel format for an 8-bit image with the given channel count, or 0
// when there is none. Two channels are grey and alpha, uploaded as GL_RG.
GLenum pixelFormatForChannels(int channels);

} // namespace tavernrush
