// The distance functions behind the painted pictures.
#include "Shape.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tavernrush::assetgen::shapes {

namespace {

Bounds around(glm::vec2 centre, glm::vec2 halfSize)
{
    return {centre - halfSize, centre + halfSize};
}

Bounds boundsOf(const std::vector<glm::vec2>& points)
{
    Bounds b{glm::vec2(std::numeric_limits<float>::max()), glm::vec2(std::numeric_limits<float>::lowest())};
    for (const glm::vec2& p : points) {
        b.min = glm::min(b.min, p);
        b.max = glm::max(b.max, p);
    }
    return b;
}

float segmentDistance(glm::vec2 p, glm::vec2 a, glm::vec2 b)
{
    const glm::vec2 pa = p - a;
    const glm::vec2 ba = b - a;
    const float lengthSquared = glm::dot(ba, ba);
    const float h = lengthSquared > 0.0f ? std::clamp(glm::dot(pa, ba) / lengthSquared, 0.0f, 1.0f) : 0.0f;
    return glm::length(pa - ba * h);
}

} // namespace

Shape circle(glm::vec2 centre, float radius)
{
    return {[=](glm::vec2 p) { return glm::length(p - centre) - radius; }, around(centre, glm::vec2(radius)).expanded(1.0f)};
}

Shape ellipse(glm::vec2 centre, glm::vec2 radii)
{
    // Scaled-circle distance corrected by the gradient length: accurate near
    // the edge, which is all the anti-aliasing needs.
    return {[=](glm::vec2 p) {
                const glm::vec2 q = (p - centre) / radii;
                const float k = glm::length(q);
                if (k < 1e-6f) {
                    return -std::min(radii.x, radii.y);
                }
                const glm::vec2 gradient = q / (radii * k);
                return (k - 1.0f) / glm::length(gradient);
            },
            around(centre, radii).expanded(1.0f)};
}

Shape roundedBox(glm::vec2 centre, glm::vec2 halfSize, float cornerRadius)
{
    return {[=](glm::vec2 p) {
                const glm::vec2 q = glm::abs(p - centre) - halfSize + cornerRadius;
                return glm::length(glm::max(q, 0.0f)) + std::min(std::max(q.x, q.y), 0.0f) - cornerRadius;
            },
            around(centre, halfSize).expanded(1.0f)};
}

Shape rotatedBox(glm::vec2 centre, glm::vec2 halfSize, float angle, float cornerRadius)
{
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    const float extent = glm::length(halfSize);
    return {[=](glm::vec2 p) {
                const glm::vec2 d = p - centre;
                const glm::vec2 local(c * d.x + s * d.y, -s * d.x + c * d.y);
                const glm::vec2 q = glm::abs(local) - halfSize + cornerRadius;
                return glm::length(glm::max(q, 0.0f)) + std::min(std::max(q.x, q.y), 0.0f) - cornerRadius;
            },
            around(centre, glm::vec2(extent)).expanded(1.0f)};
}

Shape capsule(glm::vec2 a, glm::vec2 b, float radius)
{
    Bounds bounds{glm::min(a, b), glm::max(a, b)};
    return {[=](glm::vec2 p) { return segmentDistance(p, a, b) - radius; }, bounds.expanded(radius + 1.0f)};
}

Shape polyline(const std::vector<glm::vec2>& points, float radius)
{
    return {[points, radius](glm::vec2 p) {
                float d = std::numeric_limits<float>::max();
                for (std::size_t i = 0; i + 1 < points.size(); ++i) {
                    d = std::min(d, segmentDistance(p, points[i], points[i + 1]));
                }
                return d - radius;
            },
            boundsOf(points).expanded(radius + 1.0f)};
}

Shape polygon(const std::vector<glm::vec2>& points)
{
    return {[points](glm::vec2 p) {
                float d = std::numeric_limits<float>::max();
                bool inside = false;
                const std::size_t n = points.size();
                for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
                    const glm::vec2 a = points[j];
                    const glm::vec2 b = points[i];
                    d = std::min(d, segmentDistance(p, a, b));
                    if ((b.y > p.y) != (a.y > p.y) && p.x < (a.x - b.x) * (p.y - b.y) / (a.y - b.y) + b.x) {
                        inside = !inside;
                    }
                }
                return inside ? -d : d;
            },
            boundsOf(points).expanded(1.0f)};
}

Shape star(glm::vec2 centre, float outerRadius, float innerRadius, int points, float rotation)
{
    std::vector<glm::vec2> corners;
    for (int i = 0; i < points * 2; ++i) {
        const float angle = rotation + static_cast<float>(i) * 3.14159265f / static_cast<float>(points);
        const float r = (i % 2 == 0) ? outerRadius : innerRadius;
        corners.push_back(centre + r * glm::vec2(std::sin(angle), -std::cos(angle)));
    }
    return polygon(corners);
}

Shape heart(glm::vec2 centre, float size)
{
    // The curve x = 16 sin^3 t, y = 13 cos t - 5 cos 2t - 2 cos 3t - cos 4t
    // is 32 wide; y is flipped for the downward picture rows.
    std::vector<glm::vec2> corners;
    const float scale = size / 32.0f;
    for (int i = 0; i < 96; ++i) {
        const float t = static_cast<float>(i) * 6.2831853f / 96.0f;
        const float s = std::sin(t);
        const float x = 16.0f * s * s * s;
        const float y = 13.0f * std::cos(t) - 5.0f * std::cos(2.0f * t) - 2.0f * std::cos(3.0f * t) - std::cos(4.0f * t);
        corners.push_back(centre + scale * glm::vec2(x, -(y + 2.5f)));
    }
    return polygon(corners);
}

std::vector<glm::vec2> bezier(glm::vec2 a, glm::vec2 control, glm::vec2 b, int segments)
{
    std::vector<glm::vec2> points;
    for (int i = 0; i <= segments; ++i) {
        const float t = static_cast<float>(i) / static_cast<float>(segments);
        points.push_back((1 - t) * (1 - t) * a + 2 * (1 - t) * t * control + t * t * b);
    }
    return points;
}

std::vector<glm::vec2> bezier(glm::vec2 a, glm::vec2 c1, glm::vec2 c2, glm::vec2 b, int segments)
{
    std::vector<glm::vec2> points;
    for (int i = 0; i <= segments; ++i) {
        const float t = static_cast<float>(i) / static_cast<float>(segments);
        const float u = 1.0f - t;
        points.push_back(u * u * u * a + 3 * u * u * t * c1 + 3 * u * t * t * c2 + t * t * t * b);
    }
    return points;
}

Shape united(const Shape& a, const Shape& b)
{
    return {[a, b](glm::vec2 p) { return std::min(a.distance(p), b.distance(p)); }, a.bounds.united(b.bounds)};
}

Shape subtracted(const Shape& a, const Shape& b)
{
    return {[a, b](glm::vec2 p) { return std::max(a.distance(p), -b.distance(p)); }, a.bounds};
}

Shape intersected(const Shape& a, const Shape& b)
{
    return {[a, b](glm::vec2 p) { return std::max(a.distance(p), b.distance(p)); }, a.bounds};
}

Shape grown(const Shape& shape, float amount)
{
    return {[shape, amount](glm::vec2 p) { return shape.distance(p) - amount; },
            shape.bounds.expanded(std::max(amount, 0.0f))};
}

Shape outline(const Shape& shape, float width)
{
    const float half = width * 0.5f;
    return {[shape, half](glm::vec2 p) { return std::abs(shape.distance(p)) - half; }, shape.bounds.expanded(half + 1.0f)};
}

Shape translated(const Shape& shape, glm::vec2 offset)
{
    return {[shape, offset](glm::vec2 p) { return shape.distance(p - offset); },
            {shape.bounds.min + offset, shape.bounds.max + offset}};
}

Shape rotated(const Shape& shape, glm::vec2 pivot, float angle)
{
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    // The turned bounds: the original box's corners turned about the pivot.
    Bounds bounds{glm::vec2(std::numeric_limits<float>::max()), glm::vec2(std::numeric_limits<float>::lowest())};
    for (const glm::vec2& corner : {shape.bounds.min, shape.bounds.max, glm::vec2(shape.bounds.min.x, shape.bounds.max.y),
                                   glm::vec2(shape.bounds.max.x, shape.bounds.min.y)}) {
        const glm::vec2 d = corner - pivot;
        const glm::vec2 turned = pivot + glm::vec2(c * d.x - s * d.y, s * d.x + c * d.y);
        bounds.min = glm::min(bounds.min, turned);
        bounds.max = glm::max(bounds.max, turned);
    }
    return {[shape, pivot, c, s](glm::vec2 p) {
                const glm::vec2 d = p - pivot;
                return shape.distance(pivot + glm::vec2(c * d.x + s * d.y, -s * d.x + c * d.y));
            },
            bounds.expanded(1.0f)};
}

} // namespace tavernrush::assetgen::shapes
