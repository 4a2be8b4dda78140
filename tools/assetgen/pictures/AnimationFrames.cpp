// The picture loop. Every moving part is a periodic function of the phase
// (frame - 1) / 22, so picture 22 leads smoothly back into picture 1.
#include "pictures/AnimationFrames.h"

#include "Colour.h"
#include "ImageFiles.h"
#include "Painter.h"
#include "Text.h"

#include <cmath>
#include <cstdio>

namespace tavernrush::assetgen {

namespace {

constexpr float twoPi = 6.2831853f;

void paintTavern(Image& image)
{
    const float w = static_cast<float>(image.width());
    const float h = static_cast<float>(image.height());
    paintAll(image, [&](glm::vec2 p) {
        // Wood panelling with a warm lamp glow in the middle.
        const float plank = std::fmod(p.x, 21.0f) < 1.2f ? 0.75f : 1.0f;
        const float glow = 1.0f - std::clamp(glm::length(p - glm::vec2(w * 0.5f, h * 0.25f)) / (w * 0.7f), 0.0f, 1.0f);
        const glm::vec3 wood = glm::mix(glm::vec3(0.36f, 0.20f, 0.10f), glm::vec3(0.78f, 0.50f, 0.25f), glow);
        return glm::vec4(wood * plank, 1.0f);
    });
    // The bar counter.
    const float top = h * 0.70f;
    fill(image, shapes::roundedBox({w * 0.5f, (top + h) * 0.5f}, {w * 0.5f + 2.0f, (h - top) * 0.5f}),
         linearGradient({0, top}, {0, h}, hexColour(0x8d5a2b), hexColour(0x4e2c12)));
    fill(image, shapes::roundedBox({w * 0.5f, top}, {w * 0.5f + 2.0f, 3.0f}), hexColour(0xc08a4a));
    TextStyle title;
    title.pixelHeight = 20.0f;
    title.maxDistance = 4.0f;
    const glm::vec2 titleAt(w * 0.5f, 14.0f);
    fill(image, shapes::grown(textShape("TAVERNRUSH", titleAt, title), 2.0f), hexColour(0x3e1f0a));
    fill(image, textShape("TAVERNRUSH", titleAt, title), hexColour(0xffd54f));
}

void paintCoin(Image& image, glm::vec2 centre, float radius, float spin)
{
    // Seen edge-on the coin narrows to its rim; the visible face shows a star.
    const float width = std::max(std::abs(std::cos(spin)), 0.12f);
    const Shape coin = shapes::ellipse(centre, {radius * width, radius});
    fill(image, shapes::grown(coin, 1.5f), hexColour(0x7a4a02));
    fill(image, coin, std::cos(spin) >= 0.0f ? hexColour(0xffd23f) : hexColour(0xe8b020));
    if (width > 0.35f) {
        const Shape starShape = shapes::star(centre, radius * 0.55f, radius * 0.24f, 5);
        const Shape squeezed = {[=](glm::vec2 p) {
                                    const glm::vec2 local(centre.x + (p.x - centre.x) / width, p.y);
                                    return starShape.distance(local) * width;
                                },
                                starShape.bounds};
        fill(image, squeezed, hexColour(0xfff6c8));
    }
}

void paintMug(Image& image, glm::vec2 base, float level)
{
    const glm::vec2 size(28.0f, 40.0f); // half size of the glass
    const glm::vec2 centre = base - glm::vec2(0.0f, size.y);
    const Shape glass = shapes::roundedBox(centre, size, 5.0f);
    const Shape handle = shapes::outline(shapes::roundedBox(centre + glm::vec2(size.x + 9.0f, 0.0f), {12.0f, 20.0f}, 10.0f), 6.0f);
    fill(image, shapes::grown(shapes::united(glass, handle), 2.0f), hexColour(0x3e2212));
    fill(image, handle, hexColour(0xd7e6ec));
    fill(image, glass, withAlpha(hexColour(0xe3eef2), 1.0f));
    const float inner = 2.0f * (size.y - 4.0f);
    const float beerTop = base.y - 4.0f - inner * level;
    if (level > 0.02f) {
        const float beerHeight = base.y - 4.0f - beerTop;
        const Shape beer = shapes::roundedBox({centre.x, beerTop + beerHeight * 0.5f}, {size.x - 4.0f, beerHeight * 0.5f}, 3.0f);
        fill(image, beer, linearGradient({0, beerTop}, {0, base.y}, hexColour(0xffc928), hexColour(0xe07b00)));
        Shape foam = shapes::roundedBox({centre.x, beerTop}, {size.x - 3.0f, 5.0f + 4.0f * level}, 5.0f);
        for (int i = 0; i < 4; ++i) {
            foam = shapes::united(foam, shapes::circle({centre.x - 18.0f + 12.0f * static_cast<float>(i), beerTop - 3.0f - 3.0f * level}, 6.0f + 2.0f * level));
        }
        fill(image, foam, hexColour(0xfffdf5));
    }
    fill(image, shapes::roundedBox(centre + glm::vec2(-size.x + 8.0f, 0.0f), {2.5f, size.y - 10.0f}, 2.5f), withAlpha(glm::vec4(1.0f), 0.6f));
}

} // namespace

Image paintAnimationFrame(int number)
{
    const float phase = static_cast<float>(number - 1) / static_cast<float>(animationFrameCount);
    Image image(animationFrameWidth, animationFrameHeight);
    paintTavern(image);
    const float w = static_cast<float>(image.width());
    const float h = static_cast<float>(image.height());
    const float counterTop = h * 0.70f;

    // The coin bounces twice per loop and turns over twice.
    const float bounce = std::abs(std::sin(twoPi * phase));
    const float radius = 15.0f;
    const glm::vec2 coinCentre(w * 0.30f, counterTop - radius - 2.0f - bounce * 46.0f);
    const float shadowScale = 1.0f - 0.6f * bounce;
    fill(image, shapes::ellipse({w * 0.30f, counterTop + 3.0f}, {radius * shadowScale, 3.0f * shadowScale}), glm::vec4(0, 0, 0, 0.35f));
    paintCoin(image, coinCentre, radius, twoPi * 2.0f * phase);

    // The mug empties over the first half of the loop and fills again.
    const float level = 0.5f + 0.5f * std::cos(twoPi * phase);
    paintMug(image, {w * 0.68f, counterTop + 6.0f}, level);

    // One dot per picture, the current one lit.
    const float spacing = (w - 30.0f) / static_cast<float>(animationFrameCount - 1);
    for (int i = 0; i < animationFrameCount; ++i) {
        const glm::vec2 c(15.0f + spacing * static_cast<float>(i), h - 10.0f);
        const bool current = i == number - 1;
        fill(image, shapes::circle(c, current ? 4.5f : 3.0f), current ? hexColour(0xffeb3b) : hexColour(0x9e7a55));
    }
    return image;
}

void writeAnimationFrames(const std::filesystem::path& assets)
{
    for (int number = 1; number <= animationFrameCount; ++number) {
        char name[32];
        std::snprintf(name, sizeof name, "Frame%02d.jpg", number);
        writeJpeg(assets / "frames" / name, powerOfTwoSized(paintAnimationFrame(number)), 92);
    }
}

} // namespace tavernrush::assetgen
