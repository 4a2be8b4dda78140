// Grass blades, cobblestones with their relief, and the title sign.
#include "pictures/SmallPictures.h"

#include "Colour.h"
#include "DdsFile.h"
#include "HeightField.h"
#include "ImageFiles.h"
#include "Noise.h"
#include "Painter.h"
#include "Text.h"

#include <algorithm>
#include <glm/glm.hpp>
#include <cmath>

namespace tavernrush::assetgen {

Image paintGrass(int size)
{
    Image image(size, size);
    const float s = static_cast<float>(size);
    paintAll(image, [&](glm::vec2 p) {
        const float n = fbmTiled(p / s * 4.0f, 4, 3, 701u);
        return glm::vec4(glm::mix(glm::vec3(0.16f, 0.34f, 0.10f), glm::vec3(0.26f, 0.48f, 0.15f), 0.5f + 0.5f * n), 1.0f);
    });
    Sequence random(702u);
    const int blades = size * size / 90;
    for (int i = 0; i < blades; ++i) {
        const glm::vec2 root(random.range(0.0f, s), random.range(0.0f, s));
        const float length = random.range(0.02f, 0.05f) * s;
        const float lean = random.range(-0.5f, 0.5f);
        const glm::vec2 tip = root + length * glm::vec2(std::sin(lean), -std::cos(lean));
        const glm::vec3 colour = hsvToRgb(random.range(0.22f, 0.30f), random.range(0.55f, 0.75f), random.range(0.45f, 0.85f));
        fill(image, shapes::capsule(root, tip, random.range(0.6f, 1.3f)), glm::vec4(colour, 1.0f));
    }
    return image;
}

CobblePictures paintCobbles(int size)
{
    HeightField relief(size, size);
    Image colour(size, size);
    const float cells = 10.0f;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const glm::vec2 p = (glm::vec2(x, y) + 0.5f) / static_cast<float>(size) * cells;
            const CellSample cell = cellular(p, 721u, 0.7f);
            const float gap = cell.secondNearest - cell.nearest; // 0 on the joint between stones
            const float dome = glm::smoothstep(0.0f, 0.35f, gap);
            const float grain = hashUnit(x, y, 722u) - 0.5f;
            const float bumps = perlin(glm::vec3(p * 3.0f, 0.0f), 723u);
            relief.at(x, y) = 7.0f * dome + 0.8f * bumps + 0.4f * grain;
            const float tone = hashUnit(cell.cell.x, cell.cell.y, 724u);
            glm::vec3 stone = glm::mix(glm::vec3(0.50f, 0.48f, 0.45f), glm::vec3(0.68f, 0.62f, 0.54f), tone);
            stone *= 0.85f + 0.15f * dome + 0.08f * bumps + 0.1f * grain;
            const glm::vec3 joint = glm::mix(glm::vec3(0.28f, 0.24f, 0.18f), glm::vec3(0.30f, 0.42f, 0.16f),
                                             glm::smoothstep(-0.2f, 0.4f, perlin(glm::vec3(p * 0.7f, 2.0f), 725u)));
            colour.at(x, y) = glm::vec4(glm::mix(joint, stone, glm::smoothstep(0.02f, 0.12f, gap)), 1.0f);
        }
    }
    return {colour, relief.normalMap(0.6f, true)};
}

Image paintTitleSign(int size)
{
    Image image(size, size);
    const float s = static_cast<float>(size);
    const float k = s / 512.0f;
    paintAll(image, [&](glm::vec2 p) {
        const float plank = std::floor(p.y / (64.0f * k));
        const float seam = std::fmod(p.y, 64.0f * k) < 3.0f * k ? 0.6f : 1.0f;
        const float grain = 0.9f + 0.1f * std::sin(p.x * 0.05f / k + 6.0f * perlin(glm::vec3(p / (60.0f * k), plank), 731u));
        return glm::vec4(glm::vec3(0.55f, 0.33f, 0.16f) * seam * grain, 1.0f);
    });
    fill(image, shapes::outline(shapes::roundedBox({s * 0.5f, s * 0.5f}, {s * 0.44f, s * 0.44f}, 30 * k), 10 * k), hexColour(0xffca28));
    TextStyle style;
    style.pixelHeight = 150 * k;
    style.maxDistance = 14 * k;
    for (const auto& [word, y] : {std::pair<const char*, float>{"TAVERN", 190.0f}, {"RUSH", 345.0f}}) {
        TextStyle fitted = style;
        const float width = textSize(word, style).x;
        if (width > 400 * k) {
            fitted.pixelHeight *= 400 * k / width;
        }
        const Shape text = textShape(word, glm::vec2(256, y) * k, fitted);
        fillSoft(image, shapes::translated(shapes::grown(text, 9 * k), glm::vec2(6 * k)), glm::vec4(0, 0, 0, 0.5f), 4 * k);
        fill(image, shapes::grown(text, 9 * k), hexColour(0x3e1f0a));
        fill(image, text, linearGradient(glm::vec2(0, y - 60) * k, glm::vec2(0, y + 60) * k, hexColour(0xfff3a0), hexColour(0xf9a825)));
    }
    for (const glm::vec2& c : {glm::vec2(100, 440) * k, glm::vec2(412, 440) * k}) {
        fill(image, shapes::circle(c, 30 * k), hexColour(0x7a4a02));
        fill(image, shapes::circle(c, 26 * k), hexColour(0xffd23f));
        fill(image, shapes::star(c, 15 * k, 6 * k, 5), hexColour(0xfff6c8));
    }
    return image;
}

void writeGrass(const std::filesystem::path& assets)
{
    writeDds(assets / "textures" / "gras.dds", paintGrass(512), DdsFormat::Dxt1);
}

void writeCobbles(const std::filesystem::path& assets)
{
    const CobblePictures cobbles = paintCobbles(512);
    writeJpeg(assets / "textures" / "ground.jpg", cobbles.colour, 90);
    writeJpeg(assets / "textures" / "groundN.jpg", cobbles.normals, 95);
}

void writeTitleSign(const std::filesystem::path& assets)
{
    writeDds(assets / "textures" / "tavernrush.dds", paintTitleSign(512), DdsFormat::Dxt1);
}

} // namespace tavernrush::assetgen
