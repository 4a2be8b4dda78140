// Picture files through both decoders the game uses: FreeImage for textures
// and cube faces (with the DDS check, the complaint rule and the size limit)
// and stb_image for model materials (with the size limit and the channel
// rule). What comes out is always a picture the upload can take whole.

#include "FuzzCheck.h"
#include "model/MaterialImage.h"
#include "render/DdsHeader.h"
#include "render/ImageFile.h"

#include <cstdint>
#include <cstring>
#include <span>

namespace tavernrush {
namespace {

// A driver limit well below the largest, so the size rule is met by inputs
// small enough to fuzz quickly.
constexpr int smallDriverLimit = 64;

void checkTexturePicture(std::span<const std::uint8_t> bytes)
{
    // Most of the game's pictures are named .jpg; the name only matters to a
    // file whose first bytes say nothing.
    const ImageFile upright = ImageFile::decode(bytes, "fuzz.jpg", false);
    const ImageFile flipped = ImageFile::decode(bytes, "fuzz.jpg", true);
    FUZZ_CHECK(upright.empty() == flipped.empty());
    if (upright.empty()) {
        FUZZ_CHECK(upright.bits() == nullptr && upright.width() == 0 && upright.height() == 0);
        return;
    }
    const int width = upright.width();
    const int height = upright.height();
    FUZZ_CHECK(width >= 1 && height >= 1);
    FUZZ_CHECK(width <= static_cast<int>(largestPictureSide) && height <= static_cast<int>(largestPictureSide));
    FUZZ_CHECK(flipped.width() == width && flipped.height() == height);
    FUZZ_CHECK(upright.pitch() >= width * 4 && flipped.pitch() == upright.pitch());
    // Every row the upload reads is there (the sanitizer sees any that is
    // not), and the flip only reverses their order.
    const auto rowBytes = static_cast<std::size_t>(width) * 4;
    for (int row = 0; row < height; ++row) {
        const std::uint8_t* top = upright.bits() + static_cast<std::ptrdiff_t>(row) * upright.pitch();
        const std::uint8_t* bottom = flipped.bits() + static_cast<std::ptrdiff_t>(height - 1 - row) * flipped.pitch();
        FUZZ_CHECK(std::memcmp(top, bottom, rowBytes) == 0);
    }
}

void checkMaterialPicture(std::span<const std::uint8_t> bytes)
{
    const MaterialImage image = decodeMaterialImage(bytes, static_cast<int>(largestPictureSide));
    if (image.empty()) {
        return;
    }
    FUZZ_CHECK(image.width >= 1 && image.height >= 1);
    FUZZ_CHECK(image.width <= static_cast<int>(largestPictureSide) && image.height <= static_cast<int>(largestPictureSide));
    FUZZ_CHECK(pixelFormatForChannels(image.channels) != 0);
    FUZZ_CHECK((image.channels == 2) == (pixelFormatForChannels(image.channels) == GL_RG));
    // The upload reads width * height * channels tightly packed bytes.
    const std::size_t size = static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height) *
                             static_cast<std::size_t>(image.channels);
    // The sanitizer reports a buffer shorter than that; the sink keeps the
    // compiler from dropping the reads.
    static volatile std::uint8_t sink = 0;
    for (std::size_t k = 0; k < size; ++k) {
        sink = sink ^ image.pixels.get()[k];
    }

    // Against a smaller driver: refused when a side is beyond it, else the same.
    const MaterialImage limited = decodeMaterialImage(bytes, smallDriverLimit);
    const bool tooLarge = image.width > smallDriverLimit || image.height > smallDriverLimit;
    FUZZ_CHECK(limited.empty() == tooLarge);
    if (!tooLarge) {
        FUZZ_CHECK(limited.width == image.width && limited.height == image.height && limited.channels == image.channels);
        FUZZ_CHECK(std::memcmp(limited.pixels.get(), image.pixels.get(), size) == 0);
    }
}

} // namespace
} // namespace tavernrush

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);
    tavernrush::checkTexturePicture(bytes);
    tavernrush::checkMaterialPicture(bytes);
    return 0;
}
