#include "scene/Hud.h"

#include "game/AssetTable.h"

#include <glm/gtc/matrix_transform.hpp>

namespace tavernrush {
namespace {

constexpr int floatsPerVertex = 4;
constexpr int verticesPerQuad = 6;
constexpr glm::vec3 untinted{1.0f};
constexpr glm::vec3 warningRed{1.0f, 0.22f, 0.12f};
constexpr glm::vec3 warningAmber{1.0f, 0.78f, 0.2f};
// Lettering in front of the plaque, a hair towards the camera, so the two
// never fight over the same depth.
constexpr float letteringLift = 0.02f;

void appendQuad(std::vector<float>& out, const HudQuad& quad)
{
    const glm::vec2 corners[verticesPerQuad] = {
        {quad.from.x, quad.from.y}, {quad.to.x, quad.from.y}, {quad.to.x, quad.to.y},
        {quad.from.x, quad.from.y}, {quad.to.x, quad.to.y},   {quad.from.x, quad.to.y},
    };
    const glm::vec2 uvs[verticesPerQuad] = {
        {quad.uvFrom.x, quad.uvFrom.y}, {quad.uvTo.x, quad.uvFrom.y}, {quad.uvTo.x, quad.uvTo.y},
        {quad.uvFrom.x, quad.uvFrom.y}, {quad.uvTo.x, quad.uvTo.y},   {quad.uvFrom.x, quad.uvTo.y},
    };
    for (int i = 0; i < verticesPerQuad; ++i) {
        out.insert(out.end(), {corners[i].x, corners[i].y, uvs[i].x, uvs[i].y});
    }
}

} // namespace

glm::vec3 countdownTint(const CountdownDisplay& countdown)
{
    return countdown.warning ? glm::mix(warningRed, warningAmber, countdown.pulse) : untinted;
}

Hud::Hud(const AssetPaths& paths)
    : shader_(makeShader(paths.pathOf(AssetId::HudProgram))),
      atlas_(makeTexture(paths.pathOf(AssetId::HudAtlas))),
      pausedBoard_(makeTexture(paths.pathOf(AssetId::PausedBoard))),
      letters_(makeTexture(paths.pathOf(AssetId::MenuLetters))),
      vertexArray_(createVertexArray()),
      vertices_(createBuffer())
{
    glBindVertexArray(vertexArray_.get());
    glBindBuffer(GL_ARRAY_BUFFER, vertices_.get());
    constexpr GLsizei stride = floatsPerVertex * sizeof(float);
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, stride, nullptr);
    glEnableVertexAttribArray(1);
    glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<const void*>(2 * sizeof(float)));
    glBindVertexArray(0);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    labelGlObject(GL_VERTEX_ARRAY, vertexArray_.get(), "lettering");
    labelGlObject(GL_BUFFER, vertices_.get(), "lettering quads");
}

void Hud::draw(const std::vector<HudQuad>& quads, const Texture& picture, const glm::vec3& tint)
{
    if (quads.empty()) {
        return;
    }
    staging_.clear();
    for (const HudQuad& quad : quads) {
        appendQuad(staging_, quad);
    }
    shader_->setUniform("tint", tint);
    picture.bind(0);
    glBindVertexArray(vertexArray_.get());
    glBindBuffer(GL_ARRAY_BUFFER, vertices_.get());
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(staging_.size() * sizeof(float)), staging_.data(),
                 GL_STREAM_DRAW);
    glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(staging_.size() / floatsPerVertex));
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glBindVertexArray(0);
    glBindTexture(GL_TEXTURE_2D, 0);
}

void Hud::drawWinPlaque(const WinTime& win, const glm::mat4& projectionView, const glm::mat4& pictureFrame)
{
    const std::vector<HudQuad> quads = winPlaqueQuads(win);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    shader_->use();
    // The plaque first, then everything on it a little nearer the camera.
    shader_->setUniform("transform", projectionView * pictureFrame);
    draw({quads.front()}, *atlas_, untinted);
    const glm::mat4 lifted = glm::translate(pictureFrame, glm::vec3(0.0f, 0.0f, letteringLift));
    shader_->setUniform("transform", projectionView * lifted);
    draw(std::vector<HudQuad>(quads.begin() + 1, quads.end()), *atlas_, untinted);
    glDisable(GL_BLEND);
}

void Hud::drawOverlay(const std::optional<CountdownDisplay>& countdown, bool paused, const glm::ivec4& viewport,
                      const std::optional<MenuView>& menu, const std::optional<std::string>& prompt)
{
    // A minimised window has no image to draw over.
    if ((!countdown && !paused && !menu && !prompt) || viewport.z <= 0 || viewport.w <= 0) {
        return;
    }
    const glm::ivec2 size(viewport.z, viewport.w);
    glViewport(viewport.x, viewport.y, viewport.z, viewport.w);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    shader_->use();
    // Pixels of the image, y downwards.
    shader_->setUniform("transform", glm::ortho(0.0f, static_cast<float>(size.x), static_cast<float>(size.y), 0.0f));
    if (countdown) {
        draw(countdownQuads(countdown->text, size), *atlas_, countdownTint(*countdown));
    }
    if (paused && !menu) {
        draw({pausedBoardQuad(size)}, *pausedBoard_, untinted);
    }
    const auto drawAll = [&](const std::vector<TintedQuads>& groups) {
        for (const TintedQuads& group : groups) {
            draw(group.quads, *letters_, group.tint);
        }
    };
    if (prompt) {
        drawAll(promptQuads(*prompt, size));
    }
    if (menu) {
        drawAll(menuQuads(*menu, size));
    }
    glDisable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
    glUseProgram(0);
}

} // namespace tavernrush
