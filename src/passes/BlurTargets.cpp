#include "passes/BlurTargets.h"

#include "passes/FramebufferCheck.h"
#include "passes/TargetTexture.h"

namespace tavernrush {

BlurTargets::BlurTargets(int width, int height)
    : halfWidth_(static_cast<int>(static_cast<float>(width) * 0.5f)),
      halfHeight_(static_cast<int>(static_cast<float>(height) * 0.5f)),
      offset_(1.0f / (static_cast<float>(width) * 0.5f), 1.0f / (static_cast<float>(height) * 0.5f))
{
    static constexpr std::array<const char*, 2> framebufferLabels{"blur target 0", "blur target 1"};
    static constexpr std::array<const char*, 4> textureLabels{"blur colour 0", "blur depth 0", "blur colour 1",
                                                              "blur depth 1"};
    for (std::size_t k = 0; k < framebuffers_.size(); ++k) {
        framebuffers_[k] = createFramebuffer();
        glBindFramebuffer(GL_FRAMEBUFFER, framebuffers_[k].get());
        labelGlObject(GL_FRAMEBUFFER, framebuffers_[k].get(), framebufferLabels[k]);

        textures_[2 * k] = createColorTargetTexture(halfWidth_, halfHeight_, textureLabels[2 * k]);
        glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, textures_[2 * k].get(), 0);
        textures_[2 * k + 1] = createDepthTargetTexture(halfWidth_, halfHeight_, textureLabels[2 * k + 1]);
        glFramebufferTexture2D(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_TEXTURE_2D, textures_[2 * k + 1].get(), 0);

        const GLenum drawBuffer = GL_COLOR_ATTACHMENT0;
        glDrawBuffers(1, &drawBuffer);
        checkFramebufferComplete();
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
    }
}

} // namespace tavernrush
