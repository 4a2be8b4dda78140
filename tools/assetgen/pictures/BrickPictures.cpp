// Bricks in running bond: colour varies per brick, the relief has bevelled
// edges, recessed mortar and a few chipped corners.
#include "pictures/BrickPictures.h"

#include "HeightField.h"
#include "ImageFiles.h"
#include "Noise.h"

#include <algorithm>
#include <glm/glm.hpp>
#include <cmath>

namespace tavernrush::assetgen {

BrickLayout::Spot BrickLayout::at(float x, float y) const
{
    Spot spot;
    const int course = static_cast<int>(std::floor(y / static_cast<float>(courseHeight)));
    const float shift = (course % 2 != 0) ? static_cast<float>(brickLength) * 0.5f : 0.0f;
    const float shifted = x + shift;
    const int column = static_cast<int>(std::floor(shifted / static_cast<float>(brickLength)));
    const float lx = shifted - static_cast<float>(column * brickLength);
    const float ly = y - static_cast<float>(course * courseHeight);
    const float half = static_cast<float>(mortar) * 0.5f;
    spot.brick = {column, course};
    spot.size = {static_cast<float>(brickLength - mortar), static_cast<float>(courseHeight - mortar)};
    spot.local = {lx - half, ly - half};
    spot.inMortar = spot.local.x < 0.0f || spot.local.y < 0.0f || spot.local.x >= spot.size.x || spot.local.y >= spot.size.y;
    return spot;
}

namespace {


constexpr float brickRelief = 5.0f; // pixels the brick face stands out of the joint
constexpr float bevel = 5.0f;       // pixels over which a brick edge rounds off

} // namespace

BrickPictures paintBrickPictures(const BrickLayout& layout)
{
    HeightField relief(layout.width, layout.height);
    Image colour(layout.width, layout.height);
    for (int y = 0; y < layout.height; ++y) {
        for (int x = 0; x < layout.width; ++x) {
            const glm::vec2 p(static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f);
            const BrickLayout::Spot spot = layout.at(p.x, p.y);
            const float grain = hashUnit(x, y, 31u) - 0.5f;
            const float sand = perlin(glm::vec3(p * 0.08f, 0.0f), 32u);
            if (spot.inMortar) {
                relief.at(x, y) = 0.6f * sand + 0.5f * grain;
                const glm::vec3 mortar = glm::vec3(0.78f, 0.75f, 0.68f) * (1.0f + 0.08f * sand + 0.12f * grain);
                colour.at(x, y) = glm::vec4(mortar, 1.0f);
                continue;
            }
            const glm::ivec2 b = spot.brick;
            const int column = ((b.x % 10) + 10) % 10; // the wall repeats no brick within its width
            const float tone = hashUnit(column, b.y, 41u);
            const float clinker = hashUnit(column, b.y, 42u) > 0.88f ? 1.0f : 0.0f;
            // Distance to the brick's edge, with a chipped corner now and then.
            const glm::vec2 fromEdge = glm::min(spot.local, spot.size - spot.local);
            float edge = std::min(fromEdge.x, fromEdge.y);
            const glm::vec2 corner = glm::vec2(spot.local.x < spot.size.x * 0.5f ? 0.0f : spot.size.x,
                                               spot.local.y < spot.size.y * 0.5f ? 0.0f : spot.size.y);
            const float chip = hashUnit(column * 4 + (corner.x > 0 ? 1 : 0), b.y * 2 + (corner.y > 0 ? 1 : 0), 43u);
            if (chip > 0.7f) {
                edge = std::min(edge, glm::length(spot.local - corner) - 4.0f - 8.0f * (chip - 0.7f));
            }
            const float rim = glm::smoothstep(0.0f, bevel, std::max(edge, 0.0f));
            const float pits = perlin(glm::vec3(p * 0.35f, 3.0f), 44u);
            relief.at(x, y) = 1.0f + brickRelief * rim + 0.5f * pits + 0.3f * grain;

            glm::vec3 red = glm::mix(glm::vec3(0.72f, 0.30f, 0.18f), glm::vec3(0.80f, 0.42f, 0.24f), tone);
            red = glm::mix(red, glm::vec3(0.42f, 0.20f, 0.15f), clinker * 0.8f);
            red *= 1.0f + 0.10f * sand + 0.14f * grain + 0.06f * pits;
            // Burnt, slightly darker edges; chipped spots show lighter clay.
            red *= 0.88f + 0.12f * rim;
            if (edge < 1.5f) {
                red = glm::mix(red, glm::vec3(0.85f, 0.62f, 0.45f), 0.4f);
            }
            colour.at(x, y) = glm::vec4(glm::clamp(red, 0.0f, 1.0f), 1.0f);
        }
    }
    return {colour, relief.normalMap(1.0f, false)};
}

void writeBrickPictures(const std::filesystem::path& assets)
{
    const BrickPictures pictures = paintBrickPictures();
    writeJpeg(assets / "textures" / "bricks.jpg", powerOfTwoSized(pictures.colour), 92);
    writeJpeg(assets / "textures" / "bricksN.jpg", powerOfTwoSized(pictures.normals), 95);
}

} // namespace tavernrush::assetgen
