// "TIME UP!": a ringing alarm clock at twelve o'clock.
#include "pictures/BoardPictures.h"

#include "Colour.h"
#include "Painter.h"
#include "Text.h"
#include "pictures/BoardPainting.h"

#include <cmath>
#include <string>

namespace tavernrush::assetgen {

Image paintTimeUpPicture(int size)
{
    Image image(size, size);
    const float k = static_cast<float>(size) / 512.0f;
    auto at = [k](float x, float y) { return glm::vec2(x, y) * k; };
    paintAll(image, radialGradient(at(256, 300), 380 * k, hexColour(0xe35d3b), hexColour(0x3b1d5e)));

    const glm::vec2 centre = at(256, 305);
    const glm::vec4 ink = hexColour(0x2b1633);
    // Shaking lines on both sides.
    for (float side : {-1.0f, 1.0f}) {
        for (int i = 0; i < 3; ++i) {
            const float r = (150.0f + 18.0f * static_cast<float>(i)) * k;
            std::vector<glm::vec2> arc;
            for (int j = 0; j <= 10; ++j) {
                const float a = -0.5f + static_cast<float>(j) * 0.1f;
                arc.push_back(centre + r * glm::vec2(side * std::cos(a), std::sin(a)));
            }
            fill(image, shapes::polyline(arc, 4 * k), withAlpha(hexColour(0xffe7a0), 0.9f));
        }
    }
    // Legs, bells and the hammer.
    fill(image, shapes::capsule(centre + at(-70, 95), centre + at(-100, 150), 12 * k), ink);
    fill(image, shapes::capsule(centre + at(70, 95), centre + at(100, 150), 12 * k), ink);
    for (float side : {-1.0f, 1.0f}) {
        const glm::vec2 bell = centre + at(side * 88, -112);
        const Shape dome = shapes::intersected(shapes::circle(bell, 48 * k), shapes::rotatedBox(bell + at(side * 14, -14), at(60, 40), side * 0.6f));
        fill(image, shapes::grown(dome, 5 * k), ink);
        fill(image, dome, hexColour(0xffca28));
    }
    fill(image, shapes::capsule(centre + at(0, -120), centre + at(0, -155), 7 * k), ink);
    fill(image, shapes::circle(centre + at(0, -160), 14 * k), ink);

    // Body and face.
    fill(image, shapes::circle(centre, 134 * k), ink);
    fill(image, shapes::circle(centre, 128 * k), linearGradient(centre + at(-100, -100), centre + at(100, 100), hexColour(0xff5252), hexColour(0xb71c1c)));
    fill(image, shapes::circle(centre, 104 * k), hexColour(0xfffdf5));
    for (int i = 0; i < 60; ++i) {
        const float a = static_cast<float>(i) * 6.2831853f / 60.0f;
        const glm::vec2 dir(std::sin(a), -std::cos(a));
        const bool hour = i % 5 == 0;
        fill(image, shapes::capsule(centre + dir * (hour ? 84.0f : 92.0f) * k, centre + dir * 98.0f * k, (hour ? 3.5f : 1.5f) * k), ink);
    }
    TextStyle numbers;
    numbers.pixelHeight = 30 * k;
    numbers.maxDistance = 2.0f;
    // No "12": both hands point there.
    for (int h : {3, 6, 9}) {
        const float a = static_cast<float>(h) * 6.2831853f / 12.0f;
        fill(image, textShape(std::to_string(h), centre + 64.0f * k * glm::vec2(std::sin(a), -std::cos(a)), numbers), ink);
    }
    // Both hands on twelve: time is up.
    fill(image, shapes::capsule(centre, centre + at(0, -78), 6 * k), ink);
    fill(image, shapes::capsule(centre + at(0, 10), centre + at(0, -58), 9 * k), hexColour(0xd32f2f));
    fill(image, shapes::circle(centre, 11 * k), ink);
    fill(image, shapes::rotatedBox(centre + at(-58, -58), at(10, 30), -0.8f, 10 * k), withAlpha(glm::vec4(1.0f), 0.35f));

    TitleStyle title;
    title.pixelHeight = 110 * k;
    title.fill = hexColour(0xffeb3b);
    title.outline = hexColour(0x311b3f);
    title.outlineWidth = 9 * k;
    title.maxWidth = 460 * k;
    drawTitle(image, "TIME UP!", at(256, 88), title);
    TitleStyle hint = title;
    hint.pixelHeight = 30 * k;
    hint.fill = hexColour(0xffffff);
    hint.outlineWidth = 4 * k;
    hint.shadowOffset = 2 * k;
    drawTitle(image, "PRESS C TO TRY AGAIN", at(256, 478), hint);
    drawBoardFrame(image, hexColour(0x311b3f), hexColour(0xffca28));
    return image;
}

} // namespace tavernrush::assetgen
