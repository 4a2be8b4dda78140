#pragma once
// Bloom post-processing: the glow output of the scene target is copied at
// half size, blurred in two ping-pong passes and added to the scene image by
// the "screen" program in the window's framebuffer. Both full-screen
// programs draw one point that their geometry stage grows into a quad, so
// the pass needs a vertex array but no vertex data.

#include "passes/BlurTargets.h"
#include "passes/GlowCopy.h"
#include "passes/Letterbox.h"
#include "passes/SceneTarget.h"
#include "render/GlName.h"
#include "render/Shader.h"

#include <glm/glm.hpp>

namespace tavernrush {

class Bloom {
public:
    // Builds, in this order, the "screen" and "blur" programs (with their
    // geometry stages), the empty vertex array and both targets, at the
    // configured window size.
    Bloom(int width, int height);

    const SceneTarget& sceneTarget() const { return sceneTarget_; }
    const BlurTargets& blurTargets() const { return blurTargets_; }
    GLuint fullscreenVertexArray() const { return fullscreenVao_.get(); }

    // After the scene pass: glow copy, horizontal then vertical blur, and
    // the composite into framebuffer 0. The composite fills the largest
    // centred rectangle of the configured shape in the window's real
    // framebuffer, with black bars where the shapes differ, so full screen
    // and high-density screens show the whole image. Leaves no program in use.
    void present(const glm::ivec2& framebufferSize);
    // The three steps of present, one by one, for a caller that times them.
    void copyGlow();
    void blur();

    // The last step alone: the scene image and the current blur result into
    // the window. The benchmark's floor frame draws only this.
    void composite(const glm::ivec2& framebufferSize);

private:
    ShaderPtr screenShader_;
    ShaderPtr blurShader_;
    VertexArrayName fullscreenVao_;
    SceneTarget sceneTarget_;
    BlurTargets blurTargets_;
};

} // namespace tavernrush
