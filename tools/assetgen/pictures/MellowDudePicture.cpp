// "STAY MELLOW, DUDE": a unicorn in sunglasses before a rainbow.
#include "pictures/BoardPictures.h"

#include "Colour.h"
#include "Painter.h"
#include "pictures/BoardPainting.h"

#include <cmath>

namespace tavernrush::assetgen {

Image paintMellowDudePicture(int size)
{
    Image image(size, size);
    const float k = static_cast<float>(size) / 512.0f;
    auto at = [k](float x, float y) { return glm::vec2(x, y) * k; };
    paintAll(image, linearGradient(at(0, 0), at(0, 512), hexColour(0x81d4fa), hexColour(0xf8bbd0)));

    // Rainbow arc and soft clouds.
    const glm::vec2 arcCentre = at(256, 560);
    for (int band = 0; band < 6; ++band) {
        const float r = (400.0f - 22.0f * static_cast<float>(band)) * k;
        fill(image, shapes::outline(shapes::circle(arcCentre, r), 22.5f * k), glm::vec4(hsvToRgb(static_cast<float>(band) / 7.0f, 0.55f, 1.0f), 1.0f));
    }
    for (const glm::vec2& c : {at(90, 230), at(430, 250)}) {
        Shape cloud = shapes::circle(c, 30 * k);
        cloud = shapes::united(cloud, shapes::circle(c + at(30, -14), 34 * k));
        cloud = shapes::united(cloud, shapes::circle(c + at(62, 2), 26 * k));
        cloud = shapes::united(cloud, shapes::roundedBox(c + at(30, 12), at(48, 16), 14 * k));
        fill(image, cloud, hexColour(0xffffff));
    }

    // Neck and head, white with a lavender outline.
    const glm::vec4 line = hexColour(0x7e57c2);
    const Shape neck = shapes::polygon({at(150, 512), at(190, 300), at(250, 250), at(330, 330), at(330, 512)});
    const Shape cranium = shapes::circle(at(262, 250), 82 * k);
    const Shape bridge = shapes::rotatedBox(at(318, 292), at(70, 52), 0.55f, 40 * k);
    const Shape muzzle = shapes::ellipse(at(372, 330), at(60, 48));
    const Shape head = shapes::united(shapes::united(cranium, bridge), shapes::united(muzzle, neck));
    const Shape ear = shapes::polygon({at(214, 190), at(232, 112), at(268, 176)});
    // Mane: rainbow puffs along the back of the head and neck.
    for (int i = 0; i < 8; ++i) {
        const float t = static_cast<float>(i) / 7.0f;
        const glm::vec2 c = at(206 - 70 * t, 160 + 330 * t) + at(14 * std::sin(t * 9.0f), 0);
        fill(image, shapes::grown(shapes::circle(c, (44 - 6 * t) * k), 4 * k), line);
        fill(image, shapes::circle(c, (44 - 6 * t) * k), glm::vec4(hsvToRgb(static_cast<float>(i) / 8.0f, 0.6f, 1.0f), 1.0f));
    }
    fill(image, shapes::grown(shapes::united(head, ear), 5 * k), line);
    fill(image, shapes::united(head, ear), hexColour(0xfdfbff));
    fill(image, shapes::polygon({at(225, 178), at(235, 132), at(256, 176)}), hexColour(0xf8bbd0));
    // Golden spiral horn.
    const Shape horn = shapes::polygon({at(262, 172), at(304, 178), at(338, 56)});
    fill(image, shapes::grown(horn, 4 * k), hexColour(0xb8860b));
    fill(image, horn, linearGradient(at(262, 0), at(320, 0), hexColour(0xfff59d), hexColour(0xf9a825)));
    for (int i = 1; i < 5; ++i) {
        const float t = static_cast<float>(i) / 5.0f;
        const glm::vec2 left = glm::mix(at(262, 172), at(338, 56), t);
        const glm::vec2 right = glm::mix(at(304, 178), at(338, 56), t);
        fill(image, shapes::intersected(shapes::capsule(left + at(0, 6), right - at(0, 6), 2.5f * k), horn), hexColour(0xc68a00));
    }
    // Sunglasses with a strap, a happy mouth, a nostril and a blush.
    const Shape lens = shapes::rotatedBox(at(318, 252), at(50, 26), -0.18f, 20 * k);
    fill(image, shapes::capsule(at(215, 250), at(300, 240), 5 * k), hexColour(0x212121));
    fill(image, lens, linearGradient(at(0, 228), at(0, 280), hexColour(0x37474f), hexColour(0x0d0d0d)));
    fill(image, shapes::rotatedBox(at(300, 242), at(16, 5), -0.4f, 4 * k), withAlpha(glm::vec4(1.0f), 0.6f));
    fill(image, shapes::polyline(shapes::bezier(at(340, 350), at(372, 372), at(410, 346), 12), 4 * k), line);
    fill(image, shapes::ellipse(at(402, 318), at(7, 10)), line);
    fill(image, shapes::circle(at(318, 318), 16 * k), withAlpha(hexColour(0xf48fb1), 0.7f));

    TitleStyle title;
    title.pixelHeight = 64 * k;
    title.fill = hexColour(0xffffff);
    title.outline = hexColour(0x5e35b1);
    title.outlineWidth = 7 * k;
    title.maxWidth = 450 * k;
    drawTitle(image, "STAY MELLOW,", at(256, 58), title);
    drawTitle(image, "DUDE", at(120, 126), title);
    drawBoardFrame(image, hexColour(0x5e35b1), hexColour(0xfff59d));
    return image;
}

} // namespace tavernrush::assetgen
