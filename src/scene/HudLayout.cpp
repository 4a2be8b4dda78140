#include "scene/HudLayout.h"

#include <algorithm>
#include <array>
#include <string>

namespace tavernrush {
namespace {

constexpr glm::ivec2 atlasSize{hud::atlasWidth, hud::atlasHeight};

float aspectOf(const hud::AtlasRect& rect) { return static_cast<float>(rect.width) / static_cast<float>(rect.height); }

const hud::AtlasRect* glyphOf(char c)
{
    static const std::array<hud::AtlasRect, 10> digits = [] {
        std::array<hud::AtlasRect, 10> all{};
        for (int value = 0; value < 10; ++value) {
            all[static_cast<std::size_t>(value)] = hud::digit(value);
        }
        return all;
    }();
    if (c >= '0' && c <= '9') {
        return &digits[static_cast<std::size_t>(c - '0')];
    }
    return c == '.' ? &hud::point : nullptr;
}

std::string tenthsText(int tenths)
{
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

// Board and plaque sizes in the win picture's frame (world units).
constexpr float boardHalf = 3.5f;
constexpr float plaqueGap = 0.15f;
constexpr float plaqueWidth = 7.0f;
constexpr float letteringShare = 0.62f;
constexpr float rowRoom = 6.5f;
constexpr float wordGap = 0.12f;
constexpr float pairGap = 0.45f;
constexpr float ribbonWidth = 3.4f;
constexpr float ribbonGap = 0.1f;

} // namespace

HudQuad pictureQuad(glm::vec2 from, glm::vec2 to, const hud::AtlasRect& rect, glm::ivec2 size)
{
    // Pictures are uploaded bottom row first: the top edge is t = 1.
    const glm::vec2 picture(size);
    const glm::vec2 topLeft(static_cast<float>(rect.x) / picture.x, 1.0f - static_cast<float>(rect.y) / picture.y);
    const glm::vec2 bottomRight(static_cast<float>(rect.x + rect.width) / picture.x,
                                1.0f - static_cast<float>(rect.y + rect.height) / picture.y);
    return HudQuad{from, to, topLeft, bottomRight};
}

float glyphRowWidth(std::string_view text, float height)
{
    float width = 0.0f;
    float lastOverhang = 0.0f;
    for (const char c : text) {
        if (const hud::AtlasRect* glyph = glyphOf(c)) {
            const float cell = height * aspectOf(*glyph);
            width += cell * glyphAdvanceShare;
            lastOverhang = cell * (1.0f - glyphAdvanceShare);
        }
    }
    return width + lastOverhang;
}

std::vector<HudQuad> glyphRow(std::string_view text, glm::vec2 origin, float height, float down)
{
    std::vector<HudQuad> quads;
    glm::vec2 pen = origin;
    for (const char c : text) {
        if (const hud::AtlasRect* glyph = glyphOf(c)) {
            const float cell = height * aspectOf(*glyph);
            quads.push_back(pictureQuad(pen, pen + glm::vec2(cell, down * height), *glyph, atlasSize));
            pen.x += cell * glyphAdvanceShare;
        }
    }
    return quads;
}

std::vector<HudQuad> countdownQuads(std::string_view text, glm::ivec2 imageSize)
{
    const float height = countdownHeightShare * static_cast<float>(imageSize.y);
    const float margin = countdownMarginShare * static_cast<float>(imageSize.y);
    return glyphRow(text, glm::vec2(margin, margin * 0.5f), height, 1.0f);
}

HudQuad pausedBoardQuad(glm::ivec2 imageSize)
{
    const glm::vec2 centre = glm::vec2(imageSize) * 0.5f;
    const float height = 0.3f * static_cast<float>(imageSize.y);
    const glm::vec2 half(height * static_cast<float>(hud::pausedWidth) / static_cast<float>(hud::pausedHeight) * 0.5f,
                         height * 0.5f);
    return pictureQuad(centre - half, centre + half, {0, 0, hud::pausedWidth, hud::pausedHeight},
                       {hud::pausedWidth, hud::pausedHeight});
}

std::vector<HudQuad> winPlaqueQuads(const WinTime& win)
{
    const float plaqueHeight = plaqueWidth / aspectOf(hud::plaque);
    const float top = -boardHalf - plaqueGap;
    const float bottom = top - plaqueHeight;
    std::vector<HudQuad> quads{pictureQuad({-plaqueWidth * 0.5f, top}, {plaqueWidth * 0.5f, bottom}, hud::plaque,
                                           atlasSize)};

    // TIME 31.6   BEST 29.8, shrunk to fit when the numbers are long.
    const std::string run = tenthsText(win.runTenths);
    const std::string best = tenthsText(win.bestTenths);
    float height = plaqueHeight * letteringShare;
    const auto rowWidth = [&](float h) {
        return 2.0f * h * aspectOf(hud::timeWord) + glyphRowWidth(run, h) + glyphRowWidth(best, h) + 2.0f * wordGap +
               pairGap;
    };
    height *= std::min(1.0f, rowRoom / rowWidth(height));
    float x = -rowWidth(height) * 0.5f;
    const float rowTop = (top + bottom) * 0.5f + height * 0.5f;
    const auto word = [&](const hud::AtlasRect& rect) {
        const float width = height * aspectOf(rect);
        quads.push_back(pictureQuad({x, rowTop}, {x + width, rowTop - height}, rect, atlasSize));
        x += width + wordGap;
    };
    const auto number = [&](const std::string& text, float gapAfter) {
        for (const HudQuad& quad : glyphRow(text, {x, rowTop}, height, -1.0f)) {
            quads.push_back(quad);
        }
        x += glyphRowWidth(text, height) + gapAfter;
    };
    word(hud::timeWord);
    number(run, pairGap);
    word(hud::bestWord);
    number(best, 0.0f);

    if (win.newBest) {
        const float ribbonHeight = ribbonWidth / aspectOf(hud::newBestBadge);
        const float ribbonTop = bottom - ribbonGap;
        quads.push_back(pictureQuad({-ribbonWidth * 0.5f, ribbonTop}, {ribbonWidth * 0.5f, ribbonTop - ribbonHeight},
                                    hud::newBestBadge, atlasSize));
    }
    return quads;
}

} // namespace tavernrush
