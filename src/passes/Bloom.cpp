#include "passes/Bloom.h"

#include "game/AssetTable.h"

#include <algorithm>
#include <cmath>

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

// A side at a fraction of the window's: never below 2 pixels, so the
// half-size blur targets keep one.
int scaledSide(int side, float scale)
{
    return std::max(2, static_cast<int>(std::lround(static_cast<float>(side) * scale)));
}

// An image smaller than the window is stretched over it: mixed from its four
// nearest texels instead of drawn in blocks, and at its rim from its own
// edge, not the opposite one.
void filterWhenStretched(GLuint texture)
{
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glBindTexture(GL_TEXTURE_2D, 0);
}

} // namespace

Bloom::Bloom(int width, int height, const GraphicsSettings& graphics)
    : imageWidth_(width),
      imageHeight_(height),
      glow_(graphics.bloom),
      renderScale_(graphics.renderScale),
      screenShader_(programOf(AssetId::ScreenProgram)),
      blurShader_(programOf(AssetId::BlurProgram)),
      glowCopyShader_(programOf(AssetId::GlowCopyProgram)),
      fullscreenVao_(createFullscreenVertexArray()),
      sceneTarget_(scaledSide(width, renderScale_), scaledSide(height, renderScale_), glow_),
      blurTargets_(sceneTarget_.width(), sceneTarget_.height())
{
    makeTargets();
}

void Bloom::setRenderScale(float scale)
{
    const float bounded = std::clamp(scale, smallestRenderScale, 1.0f);
    const bool resized = scaledSide(imageWidth_, bounded) != sceneTarget_.width() ||
                         scaledSide(imageHeight_, bounded) != sceneTarget_.height();
    renderScale_ = bounded;
    if (resized) {
        sceneTarget_ = SceneTarget(scaledSide(imageWidth_, bounded), scaledSide(imageHeight_, bounded), glow_);
        blurTargets_ = BlurTargets(sceneTarget_.width(), sceneTarget_.height());
        makeTargets();
    }
}

void Bloom::setGlow(bool on)
{
    if (on == glow_) {
        return;
    }
    glow_ = on;
    sceneTarget_ = SceneTarget(sceneTarget_.width(), sceneTarget_.height(), glow_);
    blurTargets_ = BlurTargets(sceneTarget_.width(), sceneTarget_.height());
    makeTargets();
}

void Bloom::makeTargets()
{
    // At the window's own size every texel lands on its pixel, as it always has.
    if (sceneTarget_.width() != imageWidth_ || sceneTarget_.height() != imageHeight_) {
        filterWhenStretched(sceneTarget_.colorTexture());
        filterWhenStretched(blurTargets_.colorTexture(0));
    }
    if (!glow_) {
        // The composite still adds the blur's result: black, once.
        glBindFramebuffer(GL_FRAMEBUFFER, blurTargets_.framebuffer(0));
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
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
    if (!glow_) {
        return;
    }
    copyGlowToBlur(*glowCopyShader_, fullscreenVao_.get(), sceneTarget_.glowTexture(), blurTargets_.framebuffer(0),
                   blurTargets_.halfWidth(), blurTargets_.halfHeight());
}

void Bloom::blur()
{
    if (!glow_) {
        return;
    }
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
    const glm::ivec4 viewport = letterboxViewport(framebufferSize, imageWidth_, imageHeight_);
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
