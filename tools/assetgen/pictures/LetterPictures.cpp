#include "pictures/LetterPictures.h"

#include "Colour.h"
#include "Painter.h"
#include "Text.h"
#include "scene/LetterAtlas.h"

#include <cmath>
#include <stdexcept>
#include <string>

namespace tavernrush::assetgen {
namespace {

const glm::vec4 inkOutline = hexColour(0x2a1a0e);
const glm::vec4 frameBrown = hexColour(0x8d5524);
const glm::vec4 frameGold = hexColour(0xffe082);

glm::vec2 cornerOf(const letters::AtlasRect& rect) { return {static_cast<float>(rect.x), static_cast<float>(rect.y)}; }
glm::vec2 halfOf(const letters::AtlasRect& rect)
{
    return {static_cast<float>(rect.width) * 0.5f, static_cast<float>(rect.height) * 0.5f};
}

void paintLetter(Image& image, char c, const TextStyle& style)
{
    constexpr float outlineWidth = 4.0f;
    constexpr float shadow = 2.0f;
    const std::string text(1, c);
    const glm::vec2 pen = cornerOf(letters::cell(c)) + glm::vec2(letters::penX, letters::baselineY);
    const Shape glyph = textShapeAt(text, pen, style, Font::menu());
    fillSoft(image, shapes::translated(shapes::grown(glyph, outlineWidth), glm::vec2(shadow)),
             glm::vec4(0.0f, 0.0f, 0.0f, 0.5f), 1.5f);
    fill(image, shapes::grown(glyph, outlineWidth), inkOutline);
    fill(image, glyph, glm::vec4(1.0f));
}

// A rounded strip inside `rect`, keeping the mipmaps' margin.
Shape strip(const letters::AtlasRect& rect)
{
    const glm::vec2 half = halfOf(rect) - glm::vec2(static_cast<float>(hud::inkMargin));
    return shapes::roundedBox(cornerOf(rect) + halfOf(rect), half, half.y);
}

void paintBoard(Image& image)
{
    const letters::AtlasRect& rect = letters::board;
    const glm::vec2 centre = cornerOf(rect) + halfOf(rect);
    const glm::vec2 half = halfOf(rect) - glm::vec2(4.0f);
    const Shape board = shapes::roundedBox(centre, half, 28.0f);
    fill(image, board,
         linearGradient(centre - glm::vec2(0.0f, half.y), centre + glm::vec2(0.0f, half.y), hexColour(0x2b4c7e),
                        hexColour(0x14233f)));
    const Shape inside = shapes::roundedBox(centre, half - glm::vec2(14.0f), 18.0f);
    fill(image, shapes::subtracted(board, inside), frameBrown);
    fill(image, shapes::outline(inside, 3.0f), frameGold);
}

} // namespace

Image paintLetterAtlas()
{
    Image image(letters::atlasWidth, letters::atlasHeight, glm::vec4(0.0f));
    TextStyle style;
    style.pixelHeight = letters::pixelHeight;
    style.maxDistance = 10.0f;
    // The game steps every letter by the same advance; a font whose letters
    // are wider would run them into each other.
    const float advance = textAdvances("M", style, Font::menu()).front();
    if (std::abs(advance - letters::advance) > 1.0f) {
        throw std::runtime_error("the menu font's letters are " + std::to_string(advance) +
                                 " pixels wide, not as LetterAtlas.h says");
    }
    for (int code = letters::firstLetter + 1; code <= letters::lastLetter; ++code) {
        paintLetter(image, static_cast<char>(code), style);
    }
    fill(image, strip(letters::selectionBar), withAlpha(frameGold, 0.35f));
    fill(image, shapes::outline(strip(letters::selectionBar), 2.0f), frameGold);
    fill(image, strip(letters::sliderTrack), hexColour(0x0c1526));
    fill(image, shapes::outline(strip(letters::sliderTrack), 2.0f), frameBrown);
    fill(image, strip(letters::sliderFill), glm::vec4(1.0f));
    paintBoard(image);
    return image;
}

} // namespace tavernrush::assetgen
