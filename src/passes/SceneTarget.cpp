#include "passes/SceneTarget.h"

#include "passes/FramebufferCheck.h"
#include "passes/TargetTexture.h"

namespace tavernrush {

SceneTarget::SceneTarget(int width, int height, bool withGlow) : width_(width), height_(height)
{
    framebuffer_ = createFramebuffer();
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_.get());
    labelGlObject(GL_FRAMEBUFFER, framebuffer_.get(), "scene target");

    const std::array<GLenum, 2> colorAttachments{GL_COLOR_ATTACHMENT0, GL_COLOR_ATTACHMENT1};
    textures_[colorIndex] = createColorTargetTexture(width, height, "scene colour");
    glFramebufferTexture2D(GL_FRAMEBUFFER, colorAttachments[colorIndex], GL_TEXTURE_2D, colorTexture(), 0);
    textures_[glowIndex] = createColorTargetTexture(width, height, "scene glow");
    glFramebufferTexture2D(GL_FRAMEBUFFER, colorAttachments[glowIndex], GL_TEXTURE_2D, glowTexture(), 0);
    textures_[depthIndex] = createDepthTargetTexture(width, height, "scene depth");
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_TEXTURE_2D, depthTexture(), 0);

    // Every scene draw writes both outputs, the shaders' location 0 and 1;
    // without glow the second goes nowhere.
    const std::array<GLenum, 2> drawBuffers{GL_COLOR_ATTACHMENT0,
                                            withGlow ? GLenum{GL_COLOR_ATTACHMENT1} : GLenum{GL_NONE}};
    glDrawBuffers(static_cast<GLsizei>(drawBuffers.size()), drawBuffers.data());
    checkFramebufferComplete();
    // Left bound: the blur targets are built right after and bind their own.
}

void SceneTarget::bindForScene() const
{
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_.get());
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glViewport(0, 0, width_, height_);
}

} // namespace tavernrush
