#pragma once
// 2D shapes as signed distance fields in pixel units (negative inside), with
// a bounding box so a fill only visits the pixels it can touch. Distances give
// anti-aliased edges, outlines and soft shadows for free, which is what makes
// the painted pictures look clean at their small sizes.

#include <glm/glm.hpp>

#include <functional>
#include <vector>

namespace tavernrush::assetgen {

struct Bounds {
    glm::vec2 min{0.0f};
    glm::vec2 max{0.0f};

    Bounds expanded(float margin) const { return {min - margin, max + margin}; }
    Bounds united(const Bounds& other) const { return {glm::min(min, other.min), glm::max(max, other.max)}; }
};

struct Shape {
    std::function<float(glm::vec2)> distance;
    Bounds bounds;
};

namespace shapes {

Shape circle(glm::vec2 centre, float radius);
Shape ellipse(glm::vec2 centre, glm::vec2 radii);
// Axis-aligned box given by its centre and half size, with rounded corners.
Shape roundedBox(glm::vec2 centre, glm::vec2 halfSize, float cornerRadius = 0.0f);
// Box turned by angle (radians, clockwise on screen since y points down).
Shape rotatedBox(glm::vec2 centre, glm::vec2 halfSize, float angle, float cornerRadius = 0.0f);
// A thick line with round ends.
Shape capsule(glm::vec2 a, glm::vec2 b, float radius);
// A thick open polyline with round joins.
Shape polyline(const std::vector<glm::vec2>& points, float radius);
// A closed polygon (even-odd rule).
Shape polygon(const std::vector<glm::vec2>& points);
// A star with `points` tips; the first tip points up.
Shape star(glm::vec2 centre, float outerRadius, float innerRadius, int points, float rotation = 0.0f);
// The classic heart, `size` is about its width.
Shape heart(glm::vec2 centre, float size);
// Points of a quadratic Bezier curve, for smooth outlines.
std::vector<glm::vec2> bezier(glm::vec2 a, glm::vec2 control, glm::vec2 b, int segments);
// Points of a cubic Bezier curve.
std::vector<glm::vec2> bezier(glm::vec2 a, glm::vec2 c1, glm::vec2 c2, glm::vec2 b, int segments);

Shape united(const Shape& a, const Shape& b);
Shape subtracted(const Shape& a, const Shape& b);
Shape intersected(const Shape& a, const Shape& b);
// Grows the shape by `amount` pixels (shrinks for negative values).
Shape grown(const Shape& shape, float amount);
// A band of the given width centred on the shape's edge.
Shape outline(const Shape& shape, float width);
Shape translated(const Shape& shape, glm::vec2 offset);
// Turned about the pivot by angle radians (clockwise on screen).
Shape rotated(const Shape& shape, glm::vec2 pivot, float angle);

} // namespace shapes
} // namespace tavernrush::assetgen
