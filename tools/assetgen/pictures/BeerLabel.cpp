// A red "Kellbräu" can: silver rims, a gold band, the brand name twice around
// with a barley emblem.
#include "pictures/BeerLabel.h"

#include "Colour.h"
#include "ImageFiles.h"
#include "Painter.h"
#include "PictureWrapping.h"
#include "Text.h"

#include <cmath>

namespace tavernrush::assetgen {

namespace {

void barley(Image& image, glm::vec2 base, float size)
{
    fill(image, shapes::capsule(base, base + glm::vec2(0.0f, -size), size * 0.04f), hexColour(0xf3d27a));
    for (int i = 0; i < 5; ++i) {
        const float y = -size * (0.35f + 0.13f * static_cast<float>(i));
        for (float side : {-1.0f, 1.0f}) {
            const glm::vec2 c = base + glm::vec2(side * size * 0.09f, y);
            fill(image, shapes::rotatedBox(c, glm::vec2(size * 0.05f, size * 0.10f), side * 0.5f, size * 0.05f), hexColour(0xf7dc8c));
        }
    }
}

} // namespace

Image paintBeerLabelUpright(int width, int height)
{
    const float w = static_cast<float>(width);
    const float h = static_cast<float>(height);
    Image image(width, height);
    paintAll(image, [&](glm::vec2 p) {
        // Can red with a soft vertical sheen.
        const float sheen = 0.85f + 0.15f * std::sin(p.x / w * 6.2831853f * 2.0f);
        return glm::vec4(glm::vec3(0.78f, 0.08f, 0.10f) * sheen, 1.0f);
    });
    // Silver rims at top and bottom, gold bands inside them.
    const float rim = h * 0.08f;
    fill(image, shapes::roundedBox({w * 0.5f, rim * 0.5f}, {w, rim * 0.5f}), linearGradient({0, 0}, {0, rim}, hexColour(0xf2f2f2), hexColour(0x8d8d8d)));
    fill(image, shapes::roundedBox({w * 0.5f, h - rim * 0.5f}, {w, rim * 0.5f}), linearGradient({0, h - rim}, {0, h}, hexColour(0xf2f2f2), hexColour(0x8d8d8d)));
    fill(image, shapes::roundedBox({w * 0.5f, rim + h * 0.025f}, {w, h * 0.02f}), hexColour(0xe9b949));
    fill(image, shapes::roundedBox({w * 0.5f, h - rim - h * 0.025f}, {w, h * 0.02f}), hexColour(0xe9b949));

    // Two panels around the can, inside the part of the picture that lies on
    // the cylinder's side (picture x from 1/16 to 1 once mirrored).
    for (int copy = 0; copy < 2; ++copy) {
        const float around = (static_cast<float>(copy) + 0.5f) / 2.0f;
        const float cx = w * (0.0625f + 0.9375f * around);
        const glm::vec2 c(cx, h * 0.5f);
        fill(image, shapes::roundedBox(c, {w * 0.2f, h * 0.30f}, h * 0.08f), hexColour(0xfaf3df));
        fill(image, shapes::outline(shapes::roundedBox(c, {w * 0.2f, h * 0.30f}, h * 0.08f), h * 0.02f), hexColour(0xe9b949));
        barley(image, c + glm::vec2(-w * 0.15f, h * 0.2f), h * 0.4f);
        barley(image, c + glm::vec2(w * 0.15f, h * 0.2f), h * 0.4f);
        TextStyle brand;
        brand.pixelHeight = h * 0.22f;
        brand.maxDistance = 6.0f;
        const float panelText = w * 0.34f;
        const float brandWidth = textSize("KELLBRÄU", brand).x;
        if (brandWidth > panelText) {
            brand.pixelHeight *= panelText / brandWidth;
        }
        const Shape name = textShape("KELLBRÄU", c + glm::vec2(0.0f, -h * 0.06f), brand);
        fill(image, shapes::grown(name, 2.5f), hexColour(0x5a0a0a));
        fill(image, name, hexColour(0xc4121a));
        TextStyle small;
        small.pixelHeight = h * 0.075f;
        small.maxDistance = 3.0f;
        fill(image, textShape("PILS · SEIT 1887", c + glm::vec2(0.0f, h * 0.15f), small), hexColour(0x7a5a10));
    }
    return image;
}

void writeBeerLabel(const std::filesystem::path& assets)
{
    writeJpeg(assets / "textures" / "kellbrau.jpg", powerOfTwoSized(canLabelFileFromUpright(paintBeerLabelUpright(512, 320))), 92);
}

} // namespace tavernrush::assetgen
