// Titles, frames, sun rays and confetti for the picture boards.
#include "pictures/BoardPainting.h"

#include "Colour.h"
#include "Noise.h"
#include "Painter.h"
#include "Text.h"

#include <algorithm>
#include <cmath>

namespace tavernrush::assetgen {

namespace {

TextStyle fitted(const std::string& text, const TitleStyle& style)
{
    TextStyle t;
    t.pixelHeight = style.pixelHeight;
    t.maxDistance = style.outlineWidth + 6.0f;
    const float width = textSize(text, t).x + 2.0f * style.outlineWidth;
    if (width > style.maxWidth) {
        t.pixelHeight *= style.maxWidth / width;
    }
    return t;
}

void drawLayers(Image& image, const Shape& glyphs, const TitleStyle& style)
{
    fillSoft(image, shapes::translated(shapes::grown(glyphs, style.outlineWidth), glm::vec2(style.shadowOffset)),
             glm::vec4(0.0f, 0.0f, 0.0f, 0.45f), 3.0f);
    fill(image, shapes::grown(glyphs, style.outlineWidth), style.outline);
    fill(image, glyphs, style.fill);
    // A light sheen on the upper half of the letters.
    const Bounds b = glyphs.bounds;
    const float mid = (b.min.y + b.max.y) * 0.5f;
    fill(image, shapes::intersected(glyphs, shapes::roundedBox({(b.min.x + b.max.x) * 0.5f, (b.min.y + mid) * 0.5f},
                                                                {(b.max.x - b.min.x) * 0.5f, (mid - b.min.y) * 0.5f})),
         withAlpha(glm::vec4(1.0f), 0.22f));
}

} // namespace

void drawTitle(Image& image, const std::string& text, glm::vec2 centre, TitleStyle style)
{
    const TextStyle t = fitted(text, style);
    drawLayers(image, textShape(text, centre, t), style);
}

void drawWavyTitle(Image& image, const std::string& text, glm::vec2 centre, TitleStyle style, float amplitude,
                   float phase)
{
    const TextStyle t = fitted(text, style);
    const std::vector<int> codepoints = decodeUtf8(text);
    const std::vector<float> advances = textAdvances(text, t);
    float total = 0.0f;
    for (float a : advances) {
        total += a;
    }
    float pen = centre.x - total * 0.5f;
    for (std::size_t i = 0; i < codepoints.size(); ++i) {
        if (codepoints[i] != ' ') {
            const float wave = std::sin(phase + static_cast<float>(i) * 0.9f);
            // Each letter is centred on its own advance cell and bobs on the wave.
            drawLayers(image, textShape(encodeUtf8(codepoints[i]), glm::vec2(pen + advances[i] * 0.5f, centre.y + amplitude * wave), t),
                       style);
        }
        pen += advances[i];
    }
}

void drawBoardFrame(Image& image, const glm::vec4& outer, const glm::vec4& inner)
{
    const float w = static_cast<float>(image.width());
    const float h = static_cast<float>(image.height());
    const float border = w * 0.035f;
    const Shape inside = shapes::roundedBox({w * 0.5f, h * 0.5f}, {w * 0.5f - border, h * 0.5f - border}, border * 1.5f);
    const Shape whole = shapes::roundedBox({w * 0.5f, h * 0.5f}, {w * 0.5f + 2.0f, h * 0.5f + 2.0f});
    fill(image, shapes::subtracted(whole, inside), outer);
    fill(image, shapes::outline(inside, border * 0.35f), inner);
}

void paintSunburst(Image& image, glm::vec2 centre, int rays, const glm::vec4& a, const glm::vec4& b)
{
    paintAll(image, [&](glm::vec2 p) {
        const glm::vec2 d = p - centre;
        const float angle = std::atan2(d.y, d.x);
        const float stripe = std::sin(angle * static_cast<float>(rays) * 0.5f);
        // Soft edges between the rays keep them from shimmering when shrunk.
        const float t = std::clamp(stripe * 4.0f * 0.5f + 0.5f, 0.0f, 1.0f);
        const float fade = std::clamp(glm::length(d) / (static_cast<float>(image.width()) * 0.8f), 0.0f, 1.0f);
        return glm::mix(glm::mix(a, b, t), b, fade * 0.5f);
    });
}

void drawConfetti(Image& image, int pieces, unsigned seed)
{
    Sequence random(seed);
    const float w = static_cast<float>(image.width());
    const float h = static_cast<float>(image.height());
    for (int i = 0; i < pieces; ++i) {
        const glm::vec2 p(random.range(0.0f, w), random.range(0.0f, h));
        const glm::vec3 colour = hsvToRgb(random.unit(), 0.75f, 1.0f);
        const float angle = random.range(0.0f, 3.14159f);
        const float size = random.range(0.008f, 0.016f) * w;
        if (random.unit() < 0.5f) {
            fill(image, shapes::rotatedBox(p, glm::vec2(size, size * 0.45f), angle, 1.0f), glm::vec4(colour, 1.0f));
        } else {
            fill(image, shapes::circle(p, size * 0.6f), glm::vec4(colour, 1.0f));
        }
    }
}

} // namespace tavernrush::assetgen
