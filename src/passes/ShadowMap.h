#pragma once
// The player figure's shadow: a fixed-size depth texture rendered from the
// sun each frame, then read by the "sm" program while the figure and the
// ground are drawn into the scene target.

#include "passes/LightSpace.h"
#include "render/GlName.h"
#include "render/Shader.h"

#include <glm/glm.hpp>

#include <functional>

namespace tavernrush {

class ShadowMap {
public:
    // Texels per side of a map made without a size.
    static constexpr int defaultSize = 1024;

    // Depth-only framebuffer (no colour buffer drawn) of `size` texels per
    // side, whatever the window size; an incomplete result is reported and kept.
    explicit ShadowMap(int size = defaultSize);

    int size() const { return size_; }

    GLuint framebuffer() const { return framebuffer_.get(); }
    GLuint depthTexture() const { return depthTexture_.get(); }

private:
    int size_;
    TextureName depthTexture_;
    // Declared last so it is released before the texture it holds.
    FramebufferName framebuffer_;
};

// The depth pass: clears the map's depth, draws the caster with "sm_depth"
// from the light ("model" = casterModel) and leaves framebuffer 0 bound.
// Only the player figure is drawn here, also while a picture hides it.
void renderShadowDepth(const ShadowMap& map, Shader& depthShader, const LightSpace& light,
                       const glm::mat4& casterModel, const std::function<void()>& drawCaster);

// Makes "sm" current with the camera and light of this frame; each receiver
// then sets its own "model" and draws with the map on unit 1.
void setShadowReceiverUniforms(Shader& shadowShader, const glm::mat4& projection, const glm::mat4& view,
                               const glm::vec3& viewPos, const LightSpace& light);

} // namespace tavernrush
