// Shape filling with distance-based coverage.
#include "Painter.h"

#include <algorithm>
#include <cmath>

namespace tavernrush::assetgen {

namespace {

template <typename Coverage, typename Colour>
void fillWith(Image& image, const Bounds& bounds, Coverage coverage, Colour colour)
{
    const int x0 = std::max(0, static_cast<int>(std::floor(bounds.min.x)));
    const int y0 = std::max(0, static_cast<int>(std::floor(bounds.min.y)));
    const int x1 = std::min(image.width() - 1, static_cast<int>(std::ceil(bounds.max.x)));
    const int y1 = std::min(image.height() - 1, static_cast<int>(std::ceil(bounds.max.y)));
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const glm::vec2 p(static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f);
            const float c = coverage(p);
            if (c > 0.0f) {
                image.blend(x, y, colour(p), c);
            }
        }
    }
}

} // namespace

void fill(Image& image, const Shape& shape, const glm::vec4& colour)
{
    fillWith(
        image, shape.bounds, [&](glm::vec2 p) { return std::clamp(0.5f - shape.distance(p), 0.0f, 1.0f); },
        [&](glm::vec2) { return colour; });
}

void fill(Image& image, const Shape& shape, const Paint& paint)
{
    fillWith(
        image, shape.bounds, [&](glm::vec2 p) { return std::clamp(0.5f - shape.distance(p), 0.0f, 1.0f); }, paint);
}

void fillSoft(Image& image, const Shape& shape, const glm::vec4& colour, float softness)
{
    const Bounds bounds = shape.bounds.expanded(softness);
    fillWith(
        image, bounds,
        [&](glm::vec2 p) {
            const float t = std::clamp((shape.distance(p) + softness) / (2.0f * softness), 0.0f, 1.0f);
            return 1.0f - t * t * (3.0f - 2.0f * t);
        },
        [&](glm::vec2) { return colour; });
}

void paintAll(Image& image, const Paint& paint)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.at(x, y) = paint(glm::vec2(static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f));
        }
    }
}

Paint linearGradient(glm::vec2 from, glm::vec2 to, const glm::vec4& colourFrom, const glm::vec4& colourTo)
{
    const glm::vec2 axis = to - from;
    const float lengthSquared = std::max(glm::dot(axis, axis), 1e-6f);
    return [=](glm::vec2 p) {
        const float t = std::clamp(glm::dot(p - from, axis) / lengthSquared, 0.0f, 1.0f);
        return glm::mix(colourFrom, colourTo, t);
    };
}

Paint radialGradient(glm::vec2 centre, float radius, const glm::vec4& inner, const glm::vec4& outer)
{
    return [=](glm::vec2 p) {
        const float t = std::clamp(glm::length(p - centre) / radius, 0.0f, 1.0f);
        return glm::mix(inner, outer, t);
    };
}

} // namespace tavernrush::assetgen
