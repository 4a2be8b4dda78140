#pragma once
// The first step of the bloom: the scene's glow output, scaled down into the
// first blur target.

#include <GL/glew.h>

namespace tavernrush {

// Copies colour attachment 1 (the glow, never the ordinary image) of the
// source into colour attachment 0 of the destination, nearest-filtered, and
// leaves framebuffer 0 bound for reading and drawing.
void blitGlowToBlur(GLuint sourceFramebuffer, int sourceWidth, int sourceHeight, GLuint destinationFramebuffer,
                    int destinationWidth, int destinationHeight);

} // namespace tavernrush
