// Digit spheres: a golden coin ball and a foamy beer ball, each carrying a
// bold white digit with a dark outline.
#include "pictures/CounterDigits.h"

#include "Colour.h"
#include "ImageFiles.h"
#include "Noise.h"
#include "Painter.h"
#include "Text.h"
#include "PictureWrapping.h"
#include "pictures/SpherePictures.h"

#include <cmath>
#include <string>

namespace tavernrush::assetgen {

namespace {

constexpr float pi = 3.14159265f;


Image digitEmblem(int digit, const glm::vec4& fillColour, const glm::vec4& outlineColour)
{
    const int size = 200;
    Image emblem(size, size, glm::vec4(0.0f));
    TextStyle style;
    style.pixelHeight = 168.0f;
    style.maxDistance = 14.0f;
    const glm::vec2 centre(size * 0.5f, size * 0.5f);
    const std::string text = std::to_string(digit);
    fillSoft(emblem, shapes::grown(textShape(text, centre + glm::vec2(3.0f, 4.0f), style), 8.0f), glm::vec4(0, 0, 0, 0.45f), 4.0f);
    const Shape glyph = textShape(text, centre, style);
    fill(emblem, shapes::grown(glyph, 7.0f), outlineColour);
    fill(emblem, glyph, fillColour);
    return emblem;
}

glm::vec3 coinBackground(float longitude, float latitude)
{
    // Polished gold, lighter towards the top, with milled rings near the poles.
    const float up = std::sin(latitude);
    glm::vec3 gold = glm::mix(glm::vec3(0.80f, 0.56f, 0.10f), glm::vec3(1.0f, 0.86f, 0.36f), 0.5f + 0.5f * up);
    gold *= 0.94f + 0.06f * std::sin(latitude * 9.0f);
    const float ring = std::abs(std::abs(latitude) - 1.02f);
    gold = glm::mix(gold, glm::vec3(0.62f, 0.40f, 0.05f), 1.0f - glm::smoothstep(0.02f, 0.045f, ring));
    const float milling = std::abs(std::sin(longitude * 24.0f));
    const float band = 1.0f - glm::smoothstep(0.05f, 0.09f, std::abs(std::abs(latitude) - 1.18f));
    gold = glm::mix(gold, glm::vec3(1.0f, 0.93f, 0.6f), band * glm::smoothstep(0.6f, 0.9f, milling));
    return gold;
}

glm::vec3 beerBackground(float longitude, float latitude)
{
    // Amber beer with rising bubbles under a wavy cap of foam.
    const float depth = 0.5f - 0.5f * std::sin(latitude);
    glm::vec3 beer = glm::mix(glm::vec3(1.0f, 0.74f, 0.18f), glm::vec3(0.80f, 0.42f, 0.05f), depth);
    // Bubbles on a jittered grid whose columns wrap around the sphere, so
    // none is cut where the picture's edges meet.
    constexpr int columns = 31;
    const glm::vec2 cellPos(longitude / (2.0f * pi) * static_cast<float>(columns), latitude * 5.0f);
    float rim = 1.0f;
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const glm::ivec2 cell(static_cast<int>(std::floor(cellPos.x)) + dx, static_cast<int>(std::floor(cellPos.y)) + dy);
            const int wrapped = ((cell.x % columns) + columns) % columns;
            const glm::vec2 centre = glm::vec2(cell) + 0.5f
                                     + 0.7f * (glm::vec2(hashUnit(wrapped, cell.y, 811u), hashUnit(wrapped, cell.y, 814u)) - 0.5f);
            const float radius = 0.10f + 0.12f * hashUnit(wrapped, cell.y, 812u);
            rim = std::min(rim, std::abs(glm::length(cellPos - centre) - radius));
        }
    }
    beer = glm::mix(beer, glm::vec3(1.0f, 0.93f, 0.7f), 0.8f * (1.0f - glm::smoothstep(0.02f, 0.05f, rim)));
    const float foamEdge = 0.80f + 0.08f * std::sin(longitude * 6.0f) + 0.04f * std::sin(longitude * 17.0f + 1.0f);
    const float foam = glm::smoothstep(foamEdge - 0.03f, foamEdge + 0.03f, latitude);
    const glm::vec3 froth = glm::vec3(1.0f, 0.98f, 0.92f) * (0.93f + 0.07f * perlin(glm::vec3(longitude * 4.0f, latitude * 4.0f, 0.0f), 813u));
    return glm::mix(beer, froth, foam);
}

} // namespace

Image paintCounterUpright(Counter counter, int digit)
{
    const bool coins = counter == Counter::Coins;
    const Image emblem = coins ? digitEmblem(digit, hexColour(0xffffff), hexColour(0x5a2d0c))
                               : digitEmblem(digit, hexColour(0xffffff), hexColour(0x7a2a06));
    return paintSphereWithEmblems(counterPictureWidth, counterPictureHeight, coins ? coinBackground : beerBackground,
                                  emblem, 0.9f, 3);
}

void writeCounterDigits(const std::filesystem::path& assets, Counter counter)
{
    const bool coins = counter == Counter::Coins;
    const int last = coins ? 9 : 4;
    for (int digit = 0; digit <= last; ++digit) {
        const std::string name = (coins ? "coin" : "beer") + std::to_string(digit) + ".jpg";
        writeJpeg(assets / "textures" / name, sphereFileFromUpright(paintCounterUpright(counter, digit)), 92);
    }
}

} // namespace tavernrush::assetgen
