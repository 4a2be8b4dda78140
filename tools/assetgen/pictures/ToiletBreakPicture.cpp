// "TOILET BREAK": the wooden outhouse with the heart in its door.
#include "pictures/BoardPictures.h"

#include "Colour.h"
#include "Noise.h"
#include "Painter.h"
#include "Text.h"
#include "pictures/BoardPainting.h"

#include <cmath>

namespace tavernrush::assetgen {

Image paintToiletBreakPicture(int size)
{
    Image image(size, size);
    const float k = static_cast<float>(size) / 512.0f;
    auto at = [k](float x, float y) { return glm::vec2(x, y) * k; };
    paintAll(image, linearGradient(at(0, 0), at(0, 420), hexColour(0x4fc3f7), hexColour(0xe1f5fe)));
    fill(image, shapes::circle(at(420, 170), 40 * k), hexColour(0xfff176));
    // Meadow with tufts.
    fill(image, shapes::roundedBox(at(256, 480), at(300, 70)), linearGradient(at(0, 410), at(0, 512), hexColour(0x7cb342), hexColour(0x33691e)));
    Sequence random(31u);
    for (int i = 0; i < 40; ++i) {
        const glm::vec2 base = at(random.range(20, 492), random.range(430, 500));
        fill(image, shapes::capsule(base, base + at(random.range(-6, 6), -14), 2 * k), hexColour(0x558b2f));
    }

    // The hut: plank walls, an overhanging roof, the door with its heart.
    const glm::vec4 ink = hexColour(0x3e2212);
    const Shape walls = shapes::roundedBox(at(256, 330), at(108, 130), 4 * k);
    fill(image, shapes::grown(walls, 5 * k), ink);
    fill(image, walls, [&](glm::vec2 p) {
        const float plank = std::fmod(p.x / k - 148.0f, 36.0f);
        const float seam = plank < 3.0f ? 0.65f : 1.0f;
        const float grain = 0.92f + 0.08f * std::sin(p.y / k * 0.35f + std::floor((p.x / k) / 36.0f) * 2.0f);
        return glm::vec4(glm::vec3(0.62f, 0.40f, 0.22f) * seam * grain, 1.0f);
    });
    const Shape door = shapes::roundedBox(at(256, 350), at(62, 108), 4 * k);
    const Shape heart = shapes::heart(at(256, 278), 48 * k);
    fill(image, shapes::grown(door, 4 * k), ink);
    fill(image, shapes::subtracted(door, heart), [&](glm::vec2 p) {
        const float plank = std::fmod(p.x / k - 194.0f, 31.0f);
        const float seam = plank < 2.5f ? 0.7f : 1.0f;
        return glm::vec4(glm::vec3(0.78f, 0.55f, 0.32f) * seam, 1.0f);
    });
    fill(image, heart, hexColour(0x1b0f08));
    fill(image, shapes::outline(heart, 3 * k), ink);
    // Z brace and the latch.
    fill(image, shapes::capsule(at(204, 330), at(308, 330), 7 * k), hexColour(0x8d5b32));
    fill(image, shapes::capsule(at(204, 440), at(308, 440), 7 * k), hexColour(0x8d5b32));
    fill(image, shapes::capsule(at(206, 436), at(306, 334), 6 * k), hexColour(0x8d5b32));
    fill(image, shapes::circle(at(298, 385), 7 * k), hexColour(0x37474f));
    const Shape roof = shapes::polygon({at(124, 212), at(256, 128), at(388, 212), at(372, 228), at(256, 154), at(140, 228)});
    fill(image, shapes::grown(roof, 4 * k), ink);
    fill(image, roof, hexColour(0xa1423a));

    TitleStyle title;
    title.pixelHeight = 84 * k;
    title.fill = hexColour(0xffffff);
    title.outline = hexColour(0x1565c0);
    title.outlineWidth = 8 * k;
    title.maxWidth = 460 * k;
    drawTitle(image, "TOILET BREAK", at(256, 70), title);
    drawBoardFrame(image, hexColour(0x5d4037), hexColour(0xa5d6a7));
    return image;
}

} // namespace tavernrush::assetgen
