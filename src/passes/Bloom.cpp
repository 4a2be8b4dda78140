#include "passes/Bloom.h"

#include "game/AssetTable.h"

namespace tavernrush {
namespace {

VertexArrayName createFullscreenVertexArray()
{
    VertexArrayName vao = createVertexArray();
    // A name only becomes a vertex array once bound; labelling needs that.
    glBindVertexArray(vao.get());
    glBindVertexArray(0);
    labelGlObject(GL_VERTEX_ARRAY, vao.get(), "fullscreen point");
    return vao;
}

ShaderPtr programOf(AssetId id)
{
    const AssetRow& row = asset::row(id);
    return makeShader(row.path, row.geometryStage);
}

} // namespace

Bloom::Bloom(int width, int height)
    : screenShader_(programOf(AssetId::ScreenProgram)),
      blurShader_(programOf(AssetId::BlurProgram)),
      fullscreenVao_(createFullscreenVertexArray()),
      sceneTarget_(width, height),
      blurTargets_(width, height)
{
}

void Bloom::present(const glm::ivec2& framebufferSize)
{
    copyGlow();
    blur();
    composite(framebufferSize);
}

void Bloom::copyGlow()
{
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    blitGlowToBlur(sceneTarget_.framebuffer(), sceneTarget_.width(), sceneTarget_.height(),
                   blurTargets_.framebuffer(0), blurTargets_.halfWidth(), blurTargets_.halfHeight());
}

void Bloom::blur()
{
    glViewport(0, 0, blurTargets_.halfWidth(), blurTargets_.halfHeight());
    blurShader_->use();
    blurShader_->setUniform("offset", blurTargets_.offset());
    // Full-screen quads need no depth; the blur targets' depth stays unused.
    glDisable(GL_DEPTH_TEST);
    glBindVertexArray(fullscreenVao_.get());

    // Read from h, write into the other one: horizontally from 0 into 1, then
    // vertically from 1 back into 0. Each quad covers its whole target, so
    // nothing needs clearing first.
    int h = 0;
    for (int pass = 0; pass < 2; ++pass) {
        glBindFramebuffer(GL_FRAMEBUFFER, blurTargets_.framebuffer(h ^ 1));
        glActiveTexture(GL_TEXTURE0);
        glBindTexture(GL_TEXTURE_2D, blurTargets_.colorTexture(h));
        blurShader_->setUniform("horizontal", h ^ 1);
        glDrawArrays(GL_POINTS, 0, 1);
        glBindTexture(GL_TEXTURE_2D, 0);
        h ^= 1;
    }

    glBindVertexArray(0);
    glEnable(GL_DEPTH_TEST);
}

void Bloom::composite(const glm::ivec2& framebufferSize)
{
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    const glm::ivec4 viewport = letterboxViewport(framebufferSize, sceneTarget_.width(), sceneTarget_.height());
    // The image covers every sample of its viewport. Only bars beside it
    // need clearing to black; the window's depth is never read.
    if (viewport != glm::ivec4(0, 0, framebufferSize.x, framebufferSize.y)) {
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    glViewport(viewport.x, viewport.y, viewport.z, viewport.w);
    glDisable(GL_DEPTH_TEST);

    screenShader_->use();
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, sceneTarget_.colorTexture());
    glActiveTexture(GL_TEXTURE1);
    glBindTexture(GL_TEXTURE_2D, blurTargets_.colorTexture(0));
    glBindVertexArray(fullscreenVao_.get());
    glDrawArrays(GL_POINTS, 0, 1);
    glBindVertexArray(0);
    glBindTexture(GL_TEXTURE_2D, 0);
    glUseProgram(0);
    glEnable(GL_DEPTH_TEST);
}

} // namespace tavernrush
