// Normal maps from central differences of the relief.
#include "HeightField.h"

#include <algorithm>

namespace tavernrush::assetgen {

HeightField::HeightField(int width, int height)
    : width_(width)
    , height_(height)
    , values_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0.0f)
{
}

Image HeightField::normalMap(float heightPerPixel, bool wrap) const
{
    Image out(width_, height_);
    auto h = [&](int x, int y) {
        if (wrap) {
            x = (x % width_ + width_) % width_;
            y = (y % height_ + height_) % height_;
        } else {
            x = std::clamp(x, 0, width_ - 1);
            y = std::clamp(y, 0, height_ - 1);
        }
        return at(x, y);
    };
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const float dx = (h(x + 1, y) - h(x - 1, y)) * 0.5f * heightPerPixel;
            // Rows grow downwards, the normal's y axis points up the picture.
            const float dyUp = (h(x, y - 1) - h(x, y + 1)) * 0.5f * heightPerPixel;
            const glm::vec3 n = glm::normalize(glm::vec3(-dx, -dyUp, 1.0f));
            out.at(x, y) = glm::vec4(n * 0.5f + 0.5f, 1.0f);
        }
    }
    return out;
}

glm::vec3 decodeNormal(const glm::vec4& pixel)
{
    return glm::normalize(glm::vec3(pixel) * 2.0f - 1.0f);
}

} // namespace tavernrush::assetgen
