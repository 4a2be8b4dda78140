#include "passes/ShadowMap.h"

#include "passes/FramebufferCheck.h"
#include "passes/TargetTexture.h"

namespace tavernrush {

ShadowMap::ShadowMap(int size) : size_(size)
{
    framebuffer_ = createFramebuffer();
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_.get());
    labelGlObject(GL_FRAMEBUFFER, framebuffer_.get(), "shadow map");

    depthTexture_ = createDepthTargetTexture(size_, size_, "shadow depth");
    // Outside the map nothing was recorded: reads there return the far depth
    // (lit) instead of repeating texels from the opposite edge, which would
    // throw copies of the figure's shadow across the ground.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_BORDER);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_BORDER);
    const GLfloat farDepth[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    glTexParameterfv(GL_TEXTURE_2D, GL_TEXTURE_BORDER_COLOR, farDepth);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_TEXTURE_2D, depthTexture_.get(), 0);

    glDrawBuffer(GL_NONE);
    checkFramebufferComplete();
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

void renderShadowDepth(const ShadowMap& map, Shader& depthShader, const LightSpace& light,
                       const glm::mat4& casterModel, const std::function<void()>& drawCaster)
{
    glBindFramebuffer(GL_FRAMEBUFFER, map.framebuffer());
    glClear(GL_DEPTH_BUFFER_BIT);
    glViewport(0, 0, map.size(), map.size());
    depthShader.use();
    depthShader.setUniform("lightSpaceMatrix", light.lightSpaceMatrix);
    depthShader.setUniform("model", casterModel);
    drawCaster();
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

void setShadowReceiverUniforms(Shader& shadowShader, const glm::mat4& projection, const glm::mat4& view,
                               const glm::vec3& viewPos, const LightSpace& light)
{
    shadowShader.use();
    shadowShader.setUniform("projection", projection);
    shadowShader.setUniform("view", view);
    shadowShader.setUniform("viewPos", viewPos);
    shadowShader.setUniform("lightPos", light.sunPosition);
    shadowShader.setUniform("lightSpaceMatrix", light.lightSpaceMatrix);
}

} // namespace tavernrush
