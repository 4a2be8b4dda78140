#pragma once
// A plain 8-bit RGBA picture with rows from the top, and the one way the icon
// maker reads it: bilinear samples with premultiplied alpha.

#include <glm/vec2.hpp>
#include <glm/vec3.hpp>
#include <glm/vec4.hpp>

#include <cstdint>
#include <vector>

namespace tavernrush::icon {

struct RgbaImage {
    int width = 0;
    int height = 0;
    // Four bytes (red, green, blue, alpha; straight alpha) per pixel.
    std::vector<std::uint8_t> pixels;

    RgbaImage() = default;
    RgbaImage(int width, int height);

    bool empty() const { return width <= 0 || height <= 0; }
    // Straight-alpha colour in [0, 1].
    glm::vec4 at(int x, int y) const;
    void set(int x, int y, glm::vec4 straightColour);
};

// The colour at texture coordinate `uv` ((0, 0) is the top-left corner of the
// top-left pixel, (1, 1) the bottom-right corner of the last), blended from
// the four nearest pixels and clamped at the border. Premultiplied, so that
// the colour of a fully transparent pixel never bleeds into its neighbours.
glm::vec4 samplePremultiplied(const RgbaImage& image, glm::vec2 uv);

} // namespace tavernrush::icon
