// Grid layout with labels drawn in the generator's own font.
#include "preview/ContactSheet.h"

#include "Colour.h"
#include "Painter.h"
#include "Text.h"

#include <algorithm>
#include <cmath>

namespace tavernrush::assetgen {

namespace {

constexpr int labelHeight = 26;
constexpr int titleHeight = 48;
constexpr int gap = 12;

void drawLabel(Image& sheet, const std::string& text, glm::vec2 centre, float size, const glm::vec4& colour,
               float maxWidth = 1e9f)
{
    TextStyle style;
    style.pixelHeight = size;
    const float width = textSize(text, style).x;
    if (width > maxWidth) {
        style.pixelHeight = size * maxWidth / width;
    }
    style.maxDistance = 2.0f;
    fill(sheet, textShape(text, centre, style), colour);
}

} // namespace

Image contactSheet(const std::string& title, const std::vector<SheetItem>& items, int columns, int cellSize)
{
    const int count = static_cast<int>(items.size());
    const int rows = std::max(1, (count + columns - 1) / columns);
    const int width = gap + columns * (cellSize + gap);
    const int height = titleHeight + rows * (cellSize + labelHeight + gap) + gap;
    Image sheet(width, height, hexColour(0x2b2f36));
    TextStyle titleStyle;
    titleStyle.pixelHeight = 28.0f;
    const float titleWidth = textSize(title, titleStyle).x;
    const float titleSize = std::min(28.0f, 28.0f * static_cast<float>(width - 2 * gap) / std::max(titleWidth, 1.0f));
    drawLabel(sheet, title, glm::vec2(static_cast<float>(width) * 0.5f, titleHeight * 0.5f + 4.0f), titleSize,
              hexColour(0xffffff));

    for (int i = 0; i < count; ++i) {
        const Image& picture = items[static_cast<std::size_t>(i)].picture;
        const int column = i % columns;
        const int row = i / columns;
        const int cellX = gap + column * (cellSize + gap);
        const int cellY = titleHeight + row * (cellSize + labelHeight + gap);
        if (!picture.empty()) {
            const float scale = std::min(static_cast<float>(cellSize) / static_cast<float>(picture.width()),
                                         static_cast<float>(cellSize) / static_cast<float>(picture.height()));
            const int w = std::max(1, static_cast<int>(std::lround(static_cast<float>(picture.width()) * scale)));
            const int h = std::max(1, static_cast<int>(std::lround(static_cast<float>(picture.height()) * scale)));
            const Image thumb = resized(picture, w, h);
            const int ox = cellX + (cellSize - w) / 2;
            const int oy = cellY + (cellSize - h) / 2;
            for (int y = 0; y < h; ++y) {
                for (int x = 0; x < w; ++x) {
                    const bool dark = ((x / 8) + (y / 8)) % 2 == 0;
                    const glm::vec4 checker = dark ? hexColour(0x9a9a9a) : hexColour(0xcfcfcf);
                    const glm::vec4 p = thumb.at(x, y);
                    sheet.at(ox + x, oy + y) = glm::vec4(glm::mix(glm::vec3(checker), glm::vec3(p), p.a), 1.0f);
                }
            }
        } else {
            fill(sheet, shapes::roundedBox(glm::vec2(cellX + cellSize / 2, cellY + cellSize / 2), glm::vec2(cellSize / 2.5f), 6),
                 hexColour(0xaa2222));
            drawLabel(sheet, "MISSING", glm::vec2(cellX + cellSize / 2, cellY + cellSize / 2), 22.0f, hexColour(0xffffff));
        }
        drawLabel(sheet, items[static_cast<std::size_t>(i)].label,
                  glm::vec2(static_cast<float>(cellX) + cellSize * 0.5f, static_cast<float>(cellY + cellSize) + labelHeight * 0.55f),
                  16.0f, hexColour(0xe8e8e8), static_cast<float>(cellSize + gap - 4));
    }
    return sheet;
}

} // namespace tavernrush::assetgen
