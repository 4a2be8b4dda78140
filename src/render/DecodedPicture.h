#pragma once
// A picture file as the texture loaders take it: decoded, and for mipmapped
// textures with its smaller levels already made. Needs no GL, so a worker
// thread can make it.

#include "render/ImageFile.h"
#include "render/MipChain.h"

#include <string>
#include <vector>

namespace tavernrush {

struct DecodedPicture {
    ImageFile image;
    std::vector<MipLevel> mips; // empty when not asked for, or left to the driver
};

// `path` is the full path, as assetPath gives it. A mipmapped picture comes
// in RGBA order, ready for a texture's storage; otherwise the rows stay
// FreeImage's BGRA.
DecodedPicture decodePicture(const std::string& path, bool flipVertically, bool withMips);

// The same picture decoded ahead, if it was, else decoded now.
DecodedPicture takeOrDecodePicture(const std::string& path, bool flipVertically, bool withMips);

// The key a picture is offered under ahead of time.
std::string decodedPictureKey(const std::string& path, bool flipVertically, bool withMips);

} // namespace tavernrush
