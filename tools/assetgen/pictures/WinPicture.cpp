// "YOU WIN!": a golden trophy on a sunburst with confetti.
#include "pictures/BoardPictures.h"

#include "Colour.h"
#include "ImageFiles.h"
#include "Painter.h"
#include "pictures/BoardPainting.h"

namespace tavernrush::assetgen {

void writeBoardPicture(const std::filesystem::path& file, Image (*paint)(int))
{
    writeJpeg(file, paint(boardPictureSize), 94);
}

void writeWinPicture(const std::filesystem::path& file, int coinsToWin)
{
    writeJpeg(file, paintWinPicture(boardPictureSize, coinsToWin), 94);
}

Image paintWinPicture(int size, int coinsToWin)
{
    Image image(size, size);
    const float k = static_cast<float>(size) / 512.0f;
    auto at = [k](float x, float y) { return glm::vec2(x, y) * k; };
    paintSunburst(image, at(256, 300), 24, hexColour(0xffd54a), hexColour(0xffa726));
    drawConfetti(image, 90, 7u);

    // Trophy: cup, handles, stem and base in gold with a dark rim.
    const glm::vec4 goldDark = hexColour(0x8a5a00);
    const Paint gold = linearGradient(at(170, 0), at(340, 0), hexColour(0xfff3a0), hexColour(0xd4920a));
    std::vector<glm::vec2> cup = shapes::bezier(at(165, 215), at(165, 330), at(230, 360), at(256, 360), 12);
    const std::vector<glm::vec2> right = shapes::bezier(at(256, 360), at(282, 360), at(347, 330), at(347, 215), 12);
    cup.insert(cup.end(), right.begin() + 1, right.end());
    const Shape bowl = shapes::polygon(cup);
    const Shape handles = shapes::united(shapes::outline(shapes::ellipse(at(160, 260), at(38, 45)), 16 * k),
                                         shapes::outline(shapes::ellipse(at(352, 260), at(38, 45)), 16 * k));
    const Shape stem = shapes::united(shapes::roundedBox(at(256, 385), at(16, 30), 6 * k),
                                      shapes::ellipse(at(256, 362), at(34, 12)));
    const Shape base = shapes::united(shapes::roundedBox(at(256, 435), at(70, 22), 8 * k),
                                      shapes::roundedBox(at(256, 410), at(46, 10), 5 * k));
    const Shape trophy = shapes::united(shapes::united(bowl, handles), shapes::united(stem, base));
    fillSoft(image, shapes::translated(trophy, at(8, 10)), glm::vec4(0, 0, 0, 0.35f), 6 * k);
    fill(image, shapes::grown(trophy, 5 * k), goldDark);
    fill(image, trophy, gold);
    fill(image, shapes::ellipse(at(256, 217), at(90, 14)), hexColour(0xb57a05));
    fill(image, shapes::star(at(256, 290), 36 * k, 15 * k, 5), hexColour(0xfffbe6));
    fill(image, shapes::roundedBox(at(256, 435), at(50, 12), 4 * k), hexColour(0x6b3f00));
    // Shine on the bowl.
    fill(image, shapes::rotatedBox(at(200, 270), at(8, 40), -0.15f, 8 * k), withAlpha(glm::vec4(1.0f), 0.55f));

    // A few coins tumbling around the cup.
    for (const glm::vec2& c : {at(96, 380), at(420, 370), at(120, 460), at(396, 455)}) {
        fill(image, shapes::circle(c, 26 * k), goldDark);
        fill(image, shapes::circle(c, 22 * k), hexColour(0xffd23f));
        fill(image, shapes::star(c, 12 * k, 5 * k, 5), hexColour(0xfff6c8));
    }

    TitleStyle title;
    title.pixelHeight = 112 * k;
    title.fill = hexColour(0xffffff);
    title.outline = hexColour(0xc62828);
    title.outlineWidth = 9 * k;
    title.maxWidth = 460 * k;
    drawTitle(image, "YOU WIN!", at(256, 105), title);
    TitleStyle subtitle = title;
    subtitle.pixelHeight = 36 * k;
    subtitle.outlineWidth = 5 * k;
    subtitle.shadowOffset = 3 * k;
    subtitle.outline = hexColour(0x6d1b1b);
    drawTitle(image, std::to_string(coinsToWin) + " COINS  -  CHEERS!", at(256, 178), subtitle);
    drawBoardFrame(image, hexColour(0x8d5524), hexColour(0xffe082));
    return image;
}

} // namespace tavernrush::assetgen
