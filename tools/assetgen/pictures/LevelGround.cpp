// A level's ground: grass colours from coarse noise fields, fine grain from
// hashes, paths from distances to the level's polylines.
#include "pictures/LevelGround.h"

#include "Colour.h"
#include "DdsFile.h"
#include "Noise.h"

#include "game/AssetTable.h"

#include <stdexcept>

#include <algorithm>
#include <glm/glm.hpp>
#include <cmath>
#include <vector>

namespace tavernrush::assetgen {

glm::vec2 groundPixelToWorld(int column, int row, int size, float groundSize)
{
    const float unitsPerPixel = groundSize / static_cast<float>(size);
    const float half = groundSize * 0.5f;
    return {(static_cast<float>(column) + 0.5f) * unitsPerPixel - half, half - (static_cast<float>(row) + 0.5f) * unitsPerPixel};
}

namespace {


float segmentDistance(glm::vec2 p, glm::vec2 a, glm::vec2 b)
{
    const glm::vec2 ab = b - a;
    const float t = std::clamp(glm::dot(p - a, ab) / glm::dot(ab, ab), 0.0f, 1.0f);
    return glm::length(p - a - ab * t);
}

glm::vec2 fromAbove(const glm::vec3& p) { return {p.x, p.z}; }

// Coarse noise fields on a small grid, looked up bilinearly: they vary over
// tens of units, so computing them per pixel would waste most of the time.
class CoarseField {
public:
    CoarseField(int size, std::uint32_t seed, float unitsPerCycle, int octaves, float groundSize)
        : size_(size)
        , values_(static_cast<std::size_t>(size) * static_cast<std::size_t>(size))
    {
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const glm::vec2 p = glm::vec2(x, y) / static_cast<float>(size) * groundSize / unitsPerCycle;
                values_[static_cast<std::size_t>(y) * size + x] = fbm(glm::vec3(p, 0.3f), octaves, seed);
            }
        }
    }

    float at(float u, float v) const
    {
        const float fx = std::clamp(u * static_cast<float>(size_ - 1), 0.0f, static_cast<float>(size_ - 1));
        const float fy = std::clamp(v * static_cast<float>(size_ - 1), 0.0f, static_cast<float>(size_ - 1));
        const int x0 = std::min(static_cast<int>(fx), size_ - 2);
        const int y0 = std::min(static_cast<int>(fy), size_ - 2);
        const float tx = fx - static_cast<float>(x0);
        const float ty = fy - static_cast<float>(y0);
        auto v0 = [&](int x, int y) { return values_[static_cast<std::size_t>(y) * size_ + x]; };
        return (v0(x0, y0) * (1 - tx) + v0(x0 + 1, y0) * tx) * (1 - ty) + (v0(x0, y0 + 1) * (1 - tx) + v0(x0 + 1, y0 + 1) * tx) * ty;
    }

private:
    int size_;
    std::vector<float> values_;
};

// The colours of one style, and how many flowers it has.
struct GroundPalette {
    const char* style;
    glm::vec3 grassGreen;
    glm::vec3 grassDark;
    glm::vec3 grassDry;
    glm::vec3 dirt;
    glm::vec3 dirtDark;
    glm::vec3 sand;
    glm::vec3 stone;
    float bloom;
};

constexpr GroundPalette palettes[] = {
    // Green grass in summer, flowers everywhere.
    {"meadow", {0.35f, 0.57f, 0.20f}, {0.23f, 0.44f, 0.14f}, {0.58f, 0.62f, 0.28f}, {0.60f, 0.46f, 0.30f},
     {0.45f, 0.33f, 0.21f}, {0.78f, 0.70f, 0.52f}, {0.58f, 0.57f, 0.53f}, 0.3f},
    // Late in the year: rust and straw, muddy paths, few flowers left.
    {"autumn", {0.62f, 0.45f, 0.18f}, {0.44f, 0.28f, 0.12f}, {0.74f, 0.62f, 0.34f}, {0.48f, 0.38f, 0.28f},
     {0.36f, 0.28f, 0.20f}, {0.66f, 0.62f, 0.55f}, {0.50f, 0.50f, 0.52f}, 0.06f},
};

const GroundPalette* paletteOf(const std::string& style)
{
    for (const GroundPalette& palette : palettes) {
        if (style == palette.style) {
            return &palette;
        }
    }
    return nullptr;
}

// A few flowers per cell of a 2-unit grid, where the bloom field allows.
glm::vec4 flowerAt(glm::vec2 world, float bloom)
{
    const glm::vec2 cellPosition = world / 2.0f;
    const glm::ivec2 cell(static_cast<int>(std::floor(cellPosition.x)), static_cast<int>(std::floor(cellPosition.y)));
    for (int k = 0; k < 3; ++k) {
        const std::uint32_t seed = 600u + static_cast<std::uint32_t>(k) * 13u;
        if (hashUnit(cell.x, cell.y, seed + 5u) > bloom) {
            continue;
        }
        const glm::vec2 centre = (glm::vec2(cell) + glm::vec2(hashUnit(cell.x, cell.y, seed), hashUnit(cell.x, cell.y, seed + 1u))) * 2.0f;
        const float radius = 0.22f + 0.12f * hashUnit(cell.x, cell.y, seed + 2u);
        const float d = glm::length(world - centre);
        if (d < radius) {
            static constexpr glm::vec3 petals[] = {{1.0f, 1.0f, 0.95f}, {1.0f, 0.86f, 0.20f}, {0.95f, 0.55f, 0.75f}, {0.65f, 0.62f, 1.0f}};
            const glm::vec3 colour = petals[static_cast<int>(hashUnit(cell.x, cell.y, seed + 3u) * 4.0f) % 4];
            return glm::vec4(colour, 1.0f - glm::smoothstep(radius * 0.6f, radius, d));
        }
    }
    return glm::vec4(0.0f);
}

} // namespace

std::vector<std::string> groundStyles()
{
    std::vector<std::string> styles;
    for (const GroundPalette& palette : palettes) {
        styles.emplace_back(palette.style);
    }
    return styles;
}

Image paintLevelGround(const LevelDescription& level, int size)
{
    const GroundPalette* const palette = paletteOf(level.groundStyle);
    if (!palette) {
        return Image();
    }
    const auto& [style, grassGreen, grassDark, grassDry, dirt, dirtDark, sand, stone, bloom] = *palette;
    const float groundSize = level.groundSize;
    const float half = groundSize * 0.5f;
    const CoarseField patches(384, 101u, 40.0f, 4, groundSize);
    const CoarseField dryness(384, 202u, 90.0f, 3, groundSize);
    const CoarseField bloomField(384, 303u, 30.0f, 3, groundSize);
    const std::vector<GroundPath>& paths = level.groundPaths;
    const glm::vec2 ladder = fromAbove(level.ladderFoot);
    const glm::vec2 toiletHut = fromAbove(level.toiletHut);
    // The counter spheres circle the vertical axis.
    const glm::vec2 counterSpheres{0.0f, 0.0f};
    Image image(size, size);

    for (int row = 0; row < size; ++row) {
        for (int column = 0; column < size; ++column) {
            const glm::vec2 world = groundPixelToWorld(column, row, size, groundSize);
            const float u = (world.x + half) / groundSize;
            const float v = (world.y + half) / groundSize;
            const float grain = hashUnit(column, row, 77u) - 0.5f;
            const float tuft = perlin(glm::vec3(world * 0.9f, 1.5f), 55u);

            // Meadow: patchy greens, drier towards the sunny spots, fine blades.
            const float patch = patches.at(u, v);
            glm::vec3 colour = glm::mix(grassGreen, grassDark, glm::smoothstep(-0.1f, 0.5f, patch));
            colour = glm::mix(colour, grassDry, 0.7f * glm::smoothstep(0.15f, 0.55f, dryness.at(u, v)));
            colour *= 1.0f + 0.16f * tuft + 0.14f * grain;
            const glm::vec4 flower = flowerAt(world, bloom * glm::smoothstep(0.0f, 0.45f, bloomField.at(u, v)));
            colour = glm::mix(colour, glm::vec3(flower), flower.a);

            // Dirt paths with a ragged edge.
            float pathDistance = 1e9f;
            float halfWidth = 1.0f;
            for (const GroundPath& path : paths) {
                for (std::size_t i = 0; i + 1 < path.points.size(); ++i) {
                    const float d = segmentDistance(world, path.points[i], path.points[i + 1]) - path.halfWidth;
                    if (d < pathDistance) {
                        pathDistance = d;
                        halfWidth = path.halfWidth;
                    }
                }
            }
            // Trampled patches at the ladder and the hut door.
            pathDistance = std::min(pathDistance, glm::length(world - ladder) - 6.0f);
            pathDistance = std::min(pathDistance, glm::length(world - (toiletHut + glm::vec2(-3.0f, 3.0f))) - 5.0f);
            // The ragged edge reaches at most 0.6 out; far from a path skip the noise.
            const float ragged = pathDistance < 1.5f ? pathDistance + 0.6f * perlin(glm::vec3(world * 0.6f, 4.0f), 66u) : pathDistance;
            const float onPath = 1.0f - glm::smoothstep(-0.4f, 0.3f, ragged);
            if (onPath > 0.0f) {
                const float rut = std::abs(std::abs(ragged + halfWidth) - halfWidth * 0.5f);
                glm::vec3 soil = glm::mix(dirt, dirtDark, 0.5f + 0.5f * perlin(glm::vec3(world * 1.7f, 8.0f), 88u));
                soil = glm::mix(soil, dirtDark, 0.35f * (1.0f - glm::smoothstep(0.0f, 0.5f, rut)));
                soil *= 1.0f + 0.25f * grain;
                if (hashUnit(column, row, 99u) > 0.95f) {
                    soil = glm::mix(soil, stone, 0.4f); // pebbles
                }
                colour = glm::mix(colour, soil, onPath);
            }

            // The yard under the counter spheres: sand inside a ring of stones.
            const float fromYard = glm::length(world - counterSpheres);
            const float yard = fromYard < 15.0f ? fromYard + 0.5f * perlin(glm::vec3(world * 0.5f, 2.0f), 44u) : fromYard;
            const float inYard = 1.0f - glm::smoothstep(13.0f, 13.5f, yard);
            if (inYard > 0.0f) {
                glm::vec3 gravel = sand * (1.0f + 0.18f * grain + 0.08f * tuft);
                if (hashUnit(column, row, 111u) > 0.9f) {
                    gravel *= 0.8f;
                }
                colour = glm::mix(colour, gravel, inYard);
            }
            const float ringDistance = std::abs(glm::length(world - counterSpheres) - 13.6f);
            if (ringDistance < 0.9f) {
                const float angle = std::atan2(world.y, world.x);
                const float stoneCell = std::abs(std::sin(angle * 44.0f));
                const float inStone = (1.0f - glm::smoothstep(0.55f, 0.8f, ringDistance)) * glm::smoothstep(0.08f, 0.25f, stoneCell);
                colour = glm::mix(colour, stone * (0.9f + 0.2f * hashUnit(static_cast<int>(angle * 14.0f), 0, 5u)) * (1.0f + 0.1f * grain), inStone);
            }
            image.at(column, row) = glm::vec4(glm::clamp(colour, 0.0f, 1.0f), 1.0f);
        }
    }
    return image;
}

void writeLevelGround(const std::filesystem::path& assets, const LevelDescription& level)
{
    const Image picture = paintLevelGround(level, groundPictureSize);
    if (picture.width() == 0) {
        throw std::runtime_error("level " + level.name + ": [ground] style \"" + level.groundStyle +
                                 "\" is not one the generator paints");
    }
    writeDds(assets / asset::belowAssets(level.groundPicture), picture, DdsFormat::Dxt1);
}

} // namespace tavernrush::assetgen
