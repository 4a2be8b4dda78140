#pragma once
// Textures that render targets draw into: 8-bit colour and 24-bit depth,
// sampled with nearest filtering so a full-screen pass reads texels unmixed.

#include "render/GlName.h"

namespace tavernrush {

// GL_RGBA8 (uploaded as GL_BGRA / GL_UNSIGNED_BYTE, no data); stays bound.
TextureName createColorTargetTexture(int width, int height, const char* label);
// GL_DEPTH_COMPONENT24 (GL_DEPTH_COMPONENT / GL_FLOAT, no data); stays bound.
TextureName createDepthTargetTexture(int width, int height, const char* label);

} // namespace tavernrush
