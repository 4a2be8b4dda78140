#pragma once
// Draws a frame's value. The game's GL renderer implements it; tests and the
// rules benchmark use a renderer that draws nothing.

#include "game/FrameScene.h"

#include <glm/glm.hpp>

namespace tavernrush {

class SceneRenderer {
public:
    virtual ~SceneRenderer() = default;
    // The whole scene into the off-screen target, glow included.
    virtual void draw(const FrameScene& scene) = 0;
    // Glow blur and composite into the window's framebuffer of this size.
    virtual void present(const glm::ivec2& framebufferSize) = 0;
    // Only the composite of the last scene image: the floor of a
    // frame, which the benchmark measures against.
    virtual void compositeOnly(const glm::ivec2& framebufferSize) = 0;
};

} // namespace tavernrush
