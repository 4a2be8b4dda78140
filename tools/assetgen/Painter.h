#pragma once
// Puts shapes and colour functions onto an Image. Coverage comes from the
// shape's distance at the pixel centre, which anti-aliases every edge.

#include "Image.h"
#include "Shape.h"

#include <functional>

namespace tavernrush::assetgen {

using Paint = std::function<glm::vec4(glm::vec2)>;

// Blends a solid colour over the pixels the shape covers.
void fill(Image& image, const Shape& shape, const glm::vec4& colour);
// Blends a colour that varies over the shape (gradients, textures).
void fill(Image& image, const Shape& shape, const Paint& paint);
// Blends with an edge softened over `softness` pixels: shadows and glows.
void fillSoft(Image& image, const Shape& shape, const glm::vec4& colour, float softness);
// Sets every pixel from a function of its centre (backgrounds).
void paintAll(Image& image, const Paint& paint);

// Gradient helpers for fills.
Paint linearGradient(glm::vec2 from, glm::vec2 to, const glm::vec4& colourFrom, const glm::vec4& colourTo);
Paint radialGradient(glm::vec2 centre, float radius, const glm::vec4& inner, const glm::vec4& outer);

} // namespace tavernrush::assetgen
