#pragma once
// The off-screen target of the whole 3D scene: the ordinary image on colour
// output 0, the glow image on colour output 1, and a depth texture. Bloom
// blurs the glow and combines both images into the window.

#include "render/GlName.h"

#include <array>

namespace tavernrush {

class SceneTarget {
public:
    // Builds the framebuffer at the given size (the window's, or a fraction
    // of it); an incomplete result is reported and kept. Without glow the
    // scene's second output goes nowhere and costs nothing to store.
    SceneTarget(int width, int height, bool withGlow = true);

    // Bound for every draw of the scene pass; both outputs cleared to
    // opaque black, depth to far, viewport over the whole target.
    void bindForScene() const;

    GLuint framebuffer() const { return framebuffer_.get(); }
    GLuint colorTexture() const { return textures_[colorIndex].get(); }
    GLuint glowTexture() const { return textures_[glowIndex].get(); }
    GLuint depthTexture() const { return textures_[depthIndex].get(); }
    int width() const { return width_; }
    int height() const { return height_; }

private:
    static constexpr int colorIndex = 0;
    static constexpr int glowIndex = 1;
    static constexpr int depthIndex = 2;

    int width_;
    int height_;
    std::array<TextureName, 3> textures_;
    // Declared last so it is released before the textures it holds.
    FramebufferName framebuffer_;
};

} // namespace tavernrush
