#pragma once
// Decodes a material's image file (found next to the model) into a mipmapped,
// repeating GL texture.

#include "render/GlName.h"

#include <string>

namespace tavernrush {

// Loads directory + "/" + path. Never fails: an image that cannot be opened,
// decoded or uploaded prints "Texture failed to load at path: " + path and
// gives a valid texture name without an image, so the mesh still draws.
// The caller owns the returned texture.
TextureName loadImageTexture(const std::string& path, const std::string& directory);

// The GL pixel format for an 8-bit image with the given channel count, or 0
// when there is none. Two channels are grey and alpha, uploaded as GL_RG.
GLenum pixelFormatForChannels(int channels);

} // namespace tavernrush
