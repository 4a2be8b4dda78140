#include "render/DecodedPicture.h"

#include "render/DecodedAhead.h"

namespace tavernrush {

DecodedPicture decodePicture(const std::string& path, bool flipVertically, bool withMips)
{
    DecodedPicture picture{ImageFile::load(path, flipVertically), {}};
    if (withMips && !picture.image.empty()) {
        const StartupStepTimer timer("make mipmaps");
        picture.image.swapRedAndBlue();
        picture.mips = smallerLevels(picture.image.bits(), picture.image.width(), picture.image.height(), 4,
                                     picture.image.pitch());
    }
    return picture;
}

DecodedPicture takeOrDecodePicture(const std::string& path, bool flipVertically, bool withMips)
{
    if (auto ahead = DecodedAhead<DecodedPicture>::take(decodedPictureKey(path, flipVertically, withMips))) {
        return std::move(*ahead);
    }
    return decodePicture(path, flipVertically, withMips);
}

std::string decodedPictureKey(const std::string& path, bool flipVertically, bool withMips)
{
    return path + (flipVertically ? "|flipped" : "") + (withMips ? "|mipmapped" : "");
}

} // namespace tavernrush
