// A gold coin with a milled rim, a ring of stars and a tankard-free "T" for
// Tavernrush, plus its blurred and halo companions.
#include "pictures/CoinPictures.h"

#include "Colour.h"
#include "DdsFile.h"
#include "ImageFiles.h"
#include "Painter.h"
#include "PictureWrapping.h"
#include "Text.h"

#include <cmath>

namespace tavernrush::assetgen {

Image paintCoinFace(int size)
{
    const float s = static_cast<float>(size);
    const glm::vec2 centre(s * 0.5f);
    const float radius = s * 0.5f;
    // Outside the disc only the coin's rim shows it, so it is rim gold.
    Image image(size, size, hexColour(0xb8860b));

    // Body: a radial gradient lit from the upper left.
    fill(image, shapes::circle(centre, radius), [&](glm::vec2 p) {
        const float t = glm::length(p - (centre + glm::vec2(-0.25f, -0.3f) * radius)) / (radius * 1.6f);
        return glm::mix(hexColour(0xfff1a8), hexColour(0xc8900e), std::clamp(t, 0.0f, 1.0f));
    });
    // Milled rim.
    const Shape rim = shapes::subtracted(shapes::circle(centre, radius), shapes::circle(centre, radius * 0.84f));
    fill(image, rim, [&](glm::vec2 p) {
        const glm::vec2 d = p - centre;
        const float ridges = 0.5f + 0.5f * std::sin(std::atan2(d.y, d.x) * 60.0f);
        return glm::mix(hexColour(0xd9a520), hexColour(0xfde58a), ridges);
    });
    fill(image, shapes::outline(shapes::circle(centre, radius * 0.84f), s * 0.012f), hexColour(0x8a5a05));
    fill(image, shapes::outline(shapes::circle(centre, radius * 0.97f), s * 0.01f), hexColour(0x8a5a05));

    // Ring of stars, placed symmetrically about the vertical axis.
    for (int i = 0; i < 12; ++i) {
        const float a = (static_cast<float>(i) + 0.5f) * 6.2831853f / 12.0f;
        const glm::vec2 p = centre + radius * 0.70f * glm::vec2(std::sin(a), -std::cos(a));
        fill(image, shapes::star(p, radius * 0.075f, radius * 0.032f, 5), hexColour(0xfff6c8));
        fill(image, shapes::outline(shapes::star(p, radius * 0.075f, radius * 0.032f, 5), 1.2f), hexColour(0x9a6a08));
    }

    // Embossed "T": shadow below right, highlight above left, gold face.
    TextStyle style;
    style.pixelHeight = s * 0.62f;
    style.maxDistance = 6.0f;
    const Shape letter = textShape("T", centre, style);
    fill(image, shapes::translated(letter, glm::vec2(s * 0.012f, s * 0.016f)), hexColour(0x7a4a02));
    fill(image, shapes::translated(letter, glm::vec2(-s * 0.008f, -s * 0.01f)), hexColour(0xfffbe0));
    fill(image, letter, [&](glm::vec2 p) {
        return glm::mix(hexColour(0xffe36e), hexColour(0xd89a12), std::clamp((p.y - centre.y) / radius * 0.8f + 0.5f, 0.0f, 1.0f));
    });
    return image;
}

void writeCoinPictures(const std::filesystem::path& assets)
{
    const Image face = paintCoinFace(256);
    writeDds(assets / "textures" / "coin.dds", coinFaceFileFromUpright(face), DdsFormat::Dxt1);

    // The glow companion: the face blurred and brightened, black outside the
    // disc so only the coin itself blooms.
    Image glowSource = resized(face, 128, 128);
    const glm::vec2 centre(64.0f);
    for (int y = 0; y < 128; ++y) {
        for (int x = 0; x < 128; ++x) {
            const float d = glm::length(glm::vec2(static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f) - centre) / 64.0f;
            const float inside = std::clamp((1.0f - d) * 12.0f, 0.0f, 1.0f);
            glm::vec4& p = glowSource.at(x, y);
            p = glm::vec4(glm::min(glm::vec3(p) * 1.25f, 1.0f) * inside, 1.0f);
        }
    }
    writePng(assets / "textures" / "coin_blur.png", coinFaceFileFromUpright(blurred(glowSource, 5.0f)), false);

    // A warm halo: bright in the middle, fading out to transparent black.
    Image halo(128, 128, glm::vec4(0.0f));
    for (int y = 0; y < 128; ++y) {
        for (int x = 0; x < 128; ++x) {
            const float d = glm::length(glm::vec2(static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f) - centre) / 64.0f;
            const float glow = std::clamp(1.0f - d, 0.0f, 1.0f);
            const float strength = glow * glow * (3.0f - 2.0f * glow);
            halo.at(x, y) = glm::vec4(glm::vec3(1.0f, 0.78f, 0.25f) * strength + glm::vec3(0.2f) * strength * strength, strength);
        }
    }
    writePng(assets / "textures" / "coin_glow.png", halo, true);
}

} // namespace tavernrush::assetgen
