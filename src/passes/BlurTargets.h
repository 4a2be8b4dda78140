#pragma once
// The two half-size framebuffers the glow image is blurred between. The glow
// is copied into framebuffer 0, blurred across into 1 and back into 0, so the
// finished blur always ends in framebuffer 0's colour texture.

#include "render/GlName.h"

#include <glm/glm.hpp>

#include <array>

namespace tavernrush {

class BlurTargets {
public:
    // Half the configured window size in each direction, rounded down.
    BlurTargets(int width, int height);

    int halfWidth() const { return halfWidth_; }
    int halfHeight() const { return halfHeight_; }
    GLuint framebuffer(int k) const { return framebuffers_[static_cast<std::size_t>(k)].get(); }
    GLuint colorTexture(int k) const { return textures_[static_cast<std::size_t>(2 * k)].get(); }
    GLuint depthTexture(int k) const { return textures_[static_cast<std::size_t>(2 * k + 1)].get(); }
    // One texel step of the blur, taken from the exact half size: for an odd
    // width 801 it is 1 / 400.5 while the texture is 400 texels wide.
    glm::vec2 offset() const { return offset_; }

private:
    int halfWidth_;
    int halfHeight_;
    glm::vec2 offset_;
    // Colour of framebuffer k at 2k, its depth at 2k + 1.
    std::array<TextureName, 4> textures_;
    // Declared last so they are released before the textures they hold.
    std::array<FramebufferName, 2> framebuffers_;
};

} // namespace tavernrush
