#pragma once
// A relief map from which the matching colour picture and tangent-space normal
// map are both derived, so the lighting bumps always sit where the painted
// bricks and stones are.

#include "Image.h"

#include <vector>

namespace tavernrush::assetgen {

class HeightField {
public:
    HeightField(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    float& at(int x, int y) { return values_[static_cast<std::size_t>(y) * width_ + x]; }
    float at(int x, int y) const { return values_[static_cast<std::size_t>(y) * width_ + x]; }

    // Tangent-space normals in the usual OpenGL convention: red grows to the
    // picture's right, green towards its TOP, blue out of the surface.
    // `heightPerPixel` converts height units into pixel widths (bump strength).
    Image normalMap(float heightPerPixel, bool wrap) const;

private:
    int width_;
    int height_;
    std::vector<float> values_;
};

// Decodes one normal-map pixel back into a unit vector.
glm::vec3 decodeNormal(const glm::vec4& pixel);

} // namespace tavernrush::assetgen
