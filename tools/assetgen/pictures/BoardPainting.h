#pragma once
// Shared look of the big picture boards: a rounded frame and chunky titles
// with an outline and a drop shadow, so the five end and state pictures feel
// like one set.

#include "Image.h"
#include "Shape.h"

#include <string>

namespace tavernrush::assetgen {

struct TitleStyle {
    float pixelHeight = 96.0f;
    glm::vec4 fill{1.0f};
    glm::vec4 outline{0.0f, 0.0f, 0.0f, 1.0f};
    float outlineWidth = 8.0f;
    float shadowOffset = 6.0f;
    float maxWidth = 1e9f; // the text shrinks to fit
};

void drawTitle(Image& image, const std::string& text, glm::vec2 centre, TitleStyle style);
// Letters bobbing on a sine wave and tilting with it.
void drawWavyTitle(Image& image, const std::string& text, glm::vec2 centre, TitleStyle style, float amplitude,
                   float phase);
// A rounded frame along the picture's edge.
void drawBoardFrame(Image& image, const glm::vec4& outer, const glm::vec4& inner);
// Sun rays from a point, alternating two colours.
void paintSunburst(Image& image, glm::vec2 centre, int rays, const glm::vec4& a, const glm::vec4& b);
// Confetti scattered with a fixed seed.
void drawConfetti(Image& image, int pieces, unsigned seed);

} // namespace tavernrush::assetgen
