// White letters with a dark outline and a soft shadow read over the bright
// sky and the green meadow alike; the game tints the digits for the last
// seconds, so they are painted white.
#include "pictures/HudPictures.h"

#include "Colour.h"
#include "ImageFiles.h"
#include "Painter.h"
#include "Text.h"
#include "pictures/BoardPainting.h"
#include "pictures/LetterPictures.h"
#include "scene/HudAtlas.h"

#include <optional>
#include <string>

namespace tavernrush::assetgen {
namespace {

const glm::vec4 inkOutline = hexColour(0x2a1a0e);
const glm::vec4 frameBrown = hexColour(0x8d5524);
const glm::vec4 frameGold = hexColour(0xffe082);

glm::vec2 centreOf(const hud::AtlasRect& rect)
{
    return {static_cast<float>(rect.x) + static_cast<float>(rect.width) * 0.5f,
            static_cast<float>(rect.y) + static_cast<float>(rect.height) * 0.5f};
}

// The text as large as fits the rectangle with its outline and shadow,
// its ink centred, or with `baseline` its bottom on that line instead.
void letter(Image& image, const std::string& text, const hud::AtlasRect& rect, const glm::vec4& fillColour,
            const glm::vec4& outline, float pixelHeight, std::optional<float> baseline = std::nullopt)
{
    constexpr float outlineWidth = 6.0f;
    constexpr float shadow = 3.0f;
    TextStyle style;
    style.pixelHeight = pixelHeight;
    style.maxDistance = outlineWidth + 6.0f;
    const float room = static_cast<float>(rect.width - 2 * hud::inkMargin) - 2.0f * outlineWidth - shadow;
    const float width = textSize(text, style).x;
    if (width > room) {
        style.pixelHeight *= room / width;
    }
    glm::vec2 centre = centreOf(rect) - glm::vec2(shadow * 0.5f);
    if (baseline) {
        centre.y = *baseline - textSize(text, style).y * 0.5f;
    }
    const Shape glyphs = textShape(text, centre, style);
    fillSoft(image, shapes::translated(shapes::grown(glyphs, outlineWidth), glm::vec2(shadow)),
             glm::vec4(0.0f, 0.0f, 0.0f, 0.5f), 2.0f);
    fill(image, shapes::grown(glyphs, outlineWidth), outline);
    fill(image, glyphs, fillColour);
}

void paintPlaque(Image& image, const hud::AtlasRect& rect)
{
    const glm::vec2 centre = centreOf(rect);
    const glm::vec2 half(static_cast<float>(rect.width) * 0.5f - hud::inkMargin,
                         static_cast<float>(rect.height) * 0.5f - hud::inkMargin);
    const Shape board = shapes::roundedBox(centre, half, 18.0f);
    fill(image, board, frameBrown);
    const Shape inside = shapes::roundedBox(centre, half - glm::vec2(10.0f), 12.0f);
    fill(image, inside, linearGradient(centre - glm::vec2(0.0f, half.y), centre + glm::vec2(0.0f, half.y),
                                       hexColour(0x5b3516), hexColour(0x3a200c)));
    fill(image, shapes::outline(inside, 2.5f), frameGold);
}

void paintBadge(Image& image, const hud::AtlasRect& rect)
{
    const glm::vec2 centre = centreOf(rect);
    const glm::vec2 half(static_cast<float>(rect.width) * 0.5f - hud::inkMargin - 4.0f,
                         static_cast<float>(rect.height) * 0.5f - hud::inkMargin - 4.0f);
    const Shape ribbon = shapes::roundedBox(centre, half, half.y);
    fill(image, shapes::grown(ribbon, 4.0f), hexColour(0x6d1b1b));
    fill(image, ribbon, linearGradient(centre - glm::vec2(0.0f, half.y), centre + glm::vec2(0.0f, half.y),
                                       hexColour(0xe53935), hexColour(0xa31515)));
    const hud::AtlasRect text{rect.x + 40, rect.y + 4, rect.width - 80, rect.height - 8};
    letter(image, "NEW BEST!", text, hexColour(0xffe566), hexColour(0x5a1010), 64.0f);
}

} // namespace

Image paintHudAtlas()
{
    Image image(hud::atlasWidth, hud::atlasHeight, glm::vec4(0.0f));
    const glm::vec4 white(1.0f);
    for (int value = 0; value <= 9; ++value) {
        letter(image, std::to_string(value), hud::digit(value), white, inkOutline, 84.0f);
    }
    // The point sits on the digits' baseline, not in the middle of its cell.
    TextStyle digitStyle;
    digitStyle.pixelHeight = 84.0f;
    const float digitBottom = centreOf(hud::digit(0)).y - 1.5f + textSize("0", digitStyle).y * 0.5f;
    letter(image, ".", hud::point, white, inkOutline, 84.0f, digitBottom);
    letter(image, "TIME", hud::timeWord, white, inkOutline, 70.0f);
    letter(image, "BEST", hud::bestWord, white, inkOutline, 70.0f);
    paintBadge(image, hud::newBestBadge);
    paintPlaque(image, hud::plaque);
    return image;
}

Image paintPausedBoard()
{
    Image image(hud::pausedWidth, hud::pausedHeight, glm::vec4(0.0f));
    const float w = static_cast<float>(image.width());
    const float h = static_cast<float>(image.height());
    const glm::vec2 centre(w * 0.5f, h * 0.5f);
    const Shape board = shapes::roundedBox(centre, centre - glm::vec2(4.0f), 28.0f);
    fill(image, board, linearGradient({0.0f, 0.0f}, {0.0f, h}, hexColour(0x2b4c7e), hexColour(0x14233f)));
    const Shape inside = shapes::roundedBox(centre, centre - glm::vec2(18.0f), 18.0f);
    fill(image, shapes::subtracted(board, inside), frameBrown);
    fill(image, shapes::outline(inside, 3.0f), frameGold);

    // The pause sign: two upright bars.
    for (const float x : {86.0f, 122.0f}) {
        const Shape bar = shapes::roundedBox({x, h * 0.5f}, {11.0f, 42.0f}, 5.0f);
        fill(image, shapes::grown(bar, 5.0f), inkOutline);
        fill(image, bar, glm::vec4(1.0f));
    }
    TitleStyle title;
    title.pixelHeight = 104.0f;
    title.fill = glm::vec4(1.0f);
    title.outline = inkOutline;
    title.outlineWidth = 7.0f;
    title.shadowOffset = 4.0f;
    title.maxWidth = 300.0f;
    drawTitle(image, "PAUSED", {w * 0.5f + 50.0f, h * 0.5f}, title);
    return image;
}

void writeHudPictures(const std::filesystem::path& assets)
{
    writePng(assets / "textures" / "hud.png", paintHudAtlas(), true);
    writePng(assets / "textures" / "paused.png", paintPausedBoard(), true);
    writePng(assets / "textures" / "letters.png", paintLetterAtlas(), true);
}

} // namespace tavernrush::assetgen
