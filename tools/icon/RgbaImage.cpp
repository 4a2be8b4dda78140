#include "RgbaImage.h"

#include <glm/common.hpp>

#include <algorithm>
#include <cstddef>

namespace tavernrush::icon {
namespace {

std::size_t offsetOf(const RgbaImage& image, int x, int y)
{
    return (static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) + static_cast<std::size_t>(x)) * 4;
}

glm::vec4 premultiplied(glm::vec4 straight) { return glm::vec4(glm::vec3(straight) * straight.a, straight.a); }

} // namespace

RgbaImage::RgbaImage(int w, int h)
    : width(std::max(w, 0)), height(std::max(h, 0)),
      pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4, 0)
{
}

glm::vec4 RgbaImage::at(int x, int y) const
{
    const std::uint8_t* p = &pixels[offsetOf(*this, x, y)];
    return glm::vec4(p[0], p[1], p[2], p[3]) / 255.0f;
}

void RgbaImage::set(int x, int y, glm::vec4 straightColour)
{
    std::uint8_t* p = &pixels[offsetOf(*this, x, y)];
    const glm::vec4 scaled = glm::clamp(straightColour, 0.0f, 1.0f) * 255.0f + 0.5f;
    for (int c = 0; c < 4; ++c) {
        p[c] = static_cast<std::uint8_t>(scaled[c]);
    }
}

glm::vec4 samplePremultiplied(const RgbaImage& image, glm::vec2 uv)
{
    if (image.empty()) {
        return glm::vec4(0.0f);
    }
    // Pixel centres sit at half-integer positions.
    const glm::vec2 position = uv * glm::vec2(image.width, image.height) - 0.5f;
    const glm::vec2 base = glm::floor(position);
    const glm::vec2 weight = position - base;
    const auto texel = [&](int dx, int dy) {
        const int x = std::clamp(static_cast<int>(base.x) + dx, 0, image.width - 1);
        const int y = std::clamp(static_cast<int>(base.y) + dy, 0, image.height - 1);
        return premultiplied(image.at(x, y));
    };
    const glm::vec4 top = glm::mix(texel(0, 0), texel(1, 0), weight.x);
    const glm::vec4 bottom = glm::mix(texel(0, 1), texel(1, 1), weight.x);
    return glm::mix(top, bottom, weight.y);
}

} // namespace tavernrush::icon
