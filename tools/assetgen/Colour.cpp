// The hue wheel, shared by the rainbow mane, the confetti and the sky tints.
#include "Colour.h"

#include <cmath>

namespace tavernrush::assetgen {

glm::vec3 hsvToRgb(float hue, float saturation, float value)
{
    const float h = (hue - std::floor(hue)) * 6.0f;
    const glm::vec3 rgb = glm::clamp(glm::abs(glm::mod(glm::vec3(h, h + 4.0f, h + 2.0f), 6.0f) - 3.0f) - 1.0f, 0.0f, 1.0f);
    return value * glm::mix(glm::vec3(1.0f), rgb, saturation);
}

} // namespace tavernrush::assetgen
