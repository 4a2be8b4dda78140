#include "model/MaterialImage.h"

#include "render/ImageFileJpeg.h"
#include "render/StartupSteps.h"

#include <stb_image.h>

#include <climits>

namespace tavernrush {
namespace {

// stb_image takes every file that starts with the JPEG start marker for one.
bool looksLikeJpeg(std::span<const std::uint8_t> bytes)
{
    return bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xD8;
}

} // namespace

void MaterialImage::PixelsFree::operator()(std::uint8_t* pixels) const { stbi_image_free(pixels); }

MaterialImage decodeMaterialImage(std::span<const std::uint8_t> bytes, int largestSide)
{
    const StartupStepTimer timer("decode model pictures");
    MaterialImage image;
    // stb_image counts bytes in an int.
    if (bytes.empty() || bytes.size() > static_cast<std::size_t>(INT_MAX)) {
        return image;
    }
    const auto length = static_cast<int>(bytes.size());
    int width = 0;
    int height = 0;
    int channels = 0;
    if (stbi_info_from_memory(bytes.data(), length, &width, &height, &channels) == 0) {
        return image;
    }
    if (width <= 0 || height <= 0 || width > largestSide || height > largestSide) {
        return image;
    }
    // stb_image reads a scan whose Huffman table the file never defined from
    // memory it never set, and its assertions end the game on some of what
    // it finds there; libjpeg refuses such a file outright. Asking libjpeg
    // first also keeps a JPEG cut short from showing up half grey, as with
    // every other picture.
    if (looksLikeJpeg(bytes) && !jpegDecodesWhole(bytes)) {
        return image;
    }
    // Decoding keeps the file's own channel count (no conversion requested).
    image.pixels.reset(stbi_load_from_memory(bytes.data(), length, &image.width, &image.height, &image.channels, 0));
    // The header's size is checked again on what was decoded, which is what
    // the upload trusts.
    if (image.empty() || image.width <= 0 || image.height <= 0 || image.width > largestSide ||
        image.height > largestSide || pixelFormatForChannels(image.channels) == 0) {
        return MaterialImage{};
    }
    return image;
}

GLenum pixelFormatForChannels(int channels)
{
    switch (channels) {
    case 1: return GL_RED;
    case 2: return GL_RG;
    case 3: return GL_RGB;
    case 4: return GL_RGBA;
    default: return 0;
    }
}

} // namespace tavernrush
