// "HICK!": a swirling background, a beer mug seen double, dizzy spirals.
#include "pictures/BoardPictures.h"

#include "Colour.h"
#include "Painter.h"
#include "pictures/BoardPainting.h"

#include <cmath>

namespace tavernrush::assetgen {

namespace {

// A frothy glass mug with its handle, upright around `centre`.
Shape mugGlass(glm::vec2 centre, float k)
{
    return shapes::roundedBox(centre, glm::vec2(70, 100) * k, 18 * k);
}

void drawMug(Image& image, glm::vec2 centre, float angle, float k, float alpha)
{
    const glm::vec4 rim = withAlpha(hexColour(0x5d3a0a), alpha);
    const Shape glass = shapes::rotated(mugGlass(centre, k), centre, angle);
    const Shape handle = shapes::rotated(shapes::outline(shapes::roundedBox(centre + glm::vec2(82, 0) * k, glm::vec2(30, 50) * k, 24 * k), 16 * k), centre, angle);
    const Shape beer = shapes::rotated(shapes::roundedBox(centre + glm::vec2(0, 14) * k, glm::vec2(58, 80) * k, 12 * k), centre, angle);
    Shape foam = shapes::circle(centre + glm::vec2(-52, -96) * k, 26 * k);
    for (const glm::vec2& offset : {glm::vec2(-18, -106), glm::vec2(18, -104), glm::vec2(52, -96), glm::vec2(-30, -80), glm::vec2(30, -82), glm::vec2(-62, -60)}) {
        foam = shapes::united(foam, shapes::circle(centre + offset * k, 28 * k));
    }
    foam = shapes::rotated(foam, centre, angle);
    fill(image, shapes::grown(shapes::united(glass, handle), 5 * k), rim);
    fill(image, handle, withAlpha(hexColour(0xdfe9ee), alpha));
    fill(image, glass, withAlpha(hexColour(0xdfe9ee), alpha));
    fill(image, beer, [&](glm::vec2 p) {
        const float t = std::clamp((p.y - centre.y) / (180 * k) + 0.5f, 0.0f, 1.0f);
        return withAlpha(glm::mix(hexColour(0xffca28), hexColour(0xe65100), t), alpha);
    });
    for (const glm::vec2& bubble : {glm::vec2(-25, 40), glm::vec2(10, 0), glm::vec2(30, 60), glm::vec2(-10, -30), glm::vec2(25, -40)}) {
        fill(image, shapes::rotated(shapes::outline(shapes::circle(centre + bubble * k, 6 * k), 2.5f * k), centre, angle),
             withAlpha(hexColour(0xfff3c4), alpha));
    }
    fill(image, shapes::grown(foam, 4 * k), rim);
    fill(image, foam, withAlpha(hexColour(0xfffdf6), alpha));
    fill(image, shapes::rotated(shapes::roundedBox(centre + glm::vec2(-45, 10) * k, glm::vec2(7, 60) * k, 7 * k), centre, angle),
         withAlpha(glm::vec4(1.0f), 0.5f * alpha));
}

void drawSpiral(Image& image, glm::vec2 centre, float radius, float k)
{
    std::vector<glm::vec2> points;
    for (int i = 0; i <= 60; ++i) {
        const float t = static_cast<float>(i) / 60.0f;
        const float a = t * 6.2831853f * 2.2f;
        points.push_back(centre + radius * t * glm::vec2(std::cos(a), std::sin(a)));
    }
    fill(image, shapes::polyline(points, 3.5f * k), hexColour(0x4a148c));
}

} // namespace

Image paintDrunkPicture(int size)
{
    Image image(size, size);
    const float k = static_cast<float>(size) / 512.0f;
    auto at = [k](float x, float y) { return glm::vec2(x, y) * k; };
    const glm::vec2 middle = at(256, 290);
    paintAll(image, [&](glm::vec2 p) {
        const glm::vec2 d = p - middle;
        const float r = glm::length(d) / (300.0f * k);
        const float swirl = std::atan2(d.y, d.x) + r * 7.0f;
        const float band = 0.5f + 0.5f * std::sin(swirl * 3.0f);
        const glm::vec3 a = hsvToRgb(0.22f + 0.08f * r, 0.55f, 0.95f);
        const glm::vec3 b = hsvToRgb(0.85f - 0.05f * r, 0.35f, 0.98f);
        return glm::vec4(glm::mix(a, b, band), 1.0f);
    });
    // Double vision: a faint copy beside the real mug.
    drawMug(image, at(280, 310), 0.32f, k, 0.45f);
    drawMug(image, at(236, 300), 0.18f, k, 1.0f);
    drawSpiral(image, at(92, 220), 34 * k, k);
    drawSpiral(image, at(430, 200), 28 * k, k);
    drawSpiral(image, at(420, 420), 24 * k, k);
    for (const glm::vec3& bubble : {glm::vec3(90, 400, 18), glm::vec3(125, 350, 11), glm::vec3(100, 310, 7), glm::vec3(390, 300, 14)}) {
        const glm::vec2 c = at(bubble.x, bubble.y);
        fill(image, shapes::circle(c, bubble.z * k), withAlpha(glm::vec4(1.0f), 0.55f));
        fill(image, shapes::outline(shapes::circle(c, bubble.z * k), 2.5f * k), hexColour(0x6a1b9a));
    }

    TitleStyle title;
    title.pixelHeight = 120 * k;
    title.fill = hexColour(0xffee58);
    title.outline = hexColour(0x6a1b9a);
    title.outlineWidth = 9 * k;
    title.maxWidth = 440 * k;
    drawWavyTitle(image, "HICK!", at(256, 92), title, 14 * k, 0.0f);
    TitleStyle subtitle = title;
    subtitle.pixelHeight = 40 * k;
    subtitle.fill = hexColour(0xffffff);
    subtitle.outlineWidth = 5 * k;
    subtitle.shadowOffset = 3 * k;
    drawWavyTitle(image, "ONE BEER TOO MANY", at(256, 466), subtitle, 6 * k, 1.3f);
    drawBoardFrame(image, hexColour(0x6a1b9a), hexColour(0xffee58));
    return image;
}

} // namespace tavernrush::assetgen
