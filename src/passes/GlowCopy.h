#pragma once
// The first step of the bloom: the scene's glow output, scaled down into the
// first blur target.

#include "render/Shader.h"

#include <GL/glew.h>

namespace tavernrush {

// Draws `glowTexture` (the scene's glow, never the ordinary image) over
// colour attachment 0 of the destination, nearest-filtered, with the
// "glowCopy" program and the attribute-less vertex array `emptyVertexArray`;
// texel for texel what a nearest framebuffer blit gives on llvmpipe, without
// the blit program the driver would build at the first frame. Leaves
// framebuffer 0, no program and no vertex array bound, and the depth test
// as it found it.
void copyGlowToBlur(const Shader& program, GLuint emptyVertexArray, GLuint glowTexture, GLuint destinationFramebuffer,
                    int destinationWidth, int destinationHeight);

} // namespace tavernrush
