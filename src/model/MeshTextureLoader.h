#pragma once
// Decodes a material's image file (found next to the model) into a mipmapped,
// repeating GL texture.

#include "model/MaterialImage.h"
#include "render/GlName.h"

#include <string>

namespace tavernrush {

// Loads directory + "/" + path. Never fails: an image that cannot be opened,
// decoded or uploaded prints "Texture failed to load at path: " + path and
// gives a valid texture name without an image, so the mesh still draws.
// The caller owns the returned texture.
TextureName loadImageTexture(const std::string& path, const std::string& directory);

} // namespace tavernrush
