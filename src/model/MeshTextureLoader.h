#pragma once
// Decodes a material's image file (found next to the model) into a mipmapped,
// repeating GL texture.

#include "model/MaterialImage.h"
#include "render/GlName.h"
#include "render/MipChain.h"

#include <string>
#include <vector>

namespace tavernrush {

// Loads directory + "/" + path. Never fails: an image that cannot be opened,
// decoded or uploaded prints "Texture failed to load at path: " + path and
// gives a valid texture name without an image, so the mesh still draws.
// The caller owns the returned texture.
TextureName loadImageTexture(const std::string& path, const std::string& directory);

// A material's picture with its smaller levels made, ready for the upload;
// needs no GL, so a worker can make it ahead.
struct DecodedMaterialImage {
    MaterialImage image;
    std::vector<MipLevel> mips; // empty when the driver makes them
};
DecodedMaterialImage decodeMaterialPicture(const std::string& filename, int largestSide);

} // namespace tavernrush
