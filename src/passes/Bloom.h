#pragma once
// Bloom post-processing: the glow output of the scene target is copied at
// half size, blurred in two ping-pong passes and added to the scene image by
// the "screen" program in the window's framebuffer. The scene target may be
// a fraction of the window's size (the render scale); the composite then
// scales it up, filtered. Both full-screen
// programs draw one point that their geometry stage grows into a quad, so
// the pass needs a vertex array but no vertex data.

#include "passes/BlurTargets.h"
#include "passes/GlowCopy.h"
#include "passes/GraphicsSettings.h"
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
    // configured window size times the settings' render scale. Without
    // bloom the glow is neither kept nor blurred and adds nothing.
    Bloom(int width, int height, const GraphicsSettings& graphics = {});

    // The targets at `scale` (0.25 to 1) of the configured size from the
    // next frame on; they are made anew only when their size changes.
    void setRenderScale(float scale);
    float renderScale() const { return renderScale_; }
    // Bloom on or off from the next frame on: the targets are made anew
    // (the scene's glow output exists only with bloom) at the same size.
    void setGlow(bool on);
    bool glow() const { return glow_; }
    // The configured window size: the shape of the image in the window.
    int imageWidth() const { return imageWidth_; }
    int imageHeight() const { return imageHeight_; }

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
    void makeTargets();

    int imageWidth_;
    int imageHeight_;
    bool glow_;
    float renderScale_;
    ShaderPtr screenShader_;
    ShaderPtr blurShader_;
    ShaderPtr glowCopyShader_;
    VertexArrayName fullscreenVao_;
    SceneTarget sceneTarget_;
    BlurTargets blurTargets_;
};

} // namespace tavernrush
