#pragma once
// Colour helpers for the painters: hex literals as the palette is written,
// and the hue wheel the rainbow parts use.

#include <glm/glm.hpp>

#include <cstdint>

namespace tavernrush::assetgen {

// 0xRRGGBB to an opaque colour.
constexpr glm::vec4 hexColour(std::uint32_t rgb, float alpha = 1.0f)
{
    return glm::vec4(static_cast<float>((rgb >> 16) & 0xffu) / 255.0f,
                     static_cast<float>((rgb >> 8) & 0xffu) / 255.0f,
                     static_cast<float>(rgb & 0xffu) / 255.0f,
                     alpha);
}

// Hue in turns (0..1, wraps), saturation and value in 0..1.
glm::vec3 hsvToRgb(float hue, float saturation, float value);

// Scales the colour part and keeps alpha.
inline glm::vec4 shade(const glm::vec4& colour, float factor)
{
    return glm::vec4(glm::clamp(glm::vec3(colour) * factor, 0.0f, 1.0f), colour.a);
}

inline glm::vec4 withAlpha(const glm::vec4& colour, float alpha)
{
    return glm::vec4(glm::vec3(colour), alpha);
}

inline float luminance(const glm::vec3& c)
{
    return 0.299f * c.r + 0.587f * c.g + 0.114f * c.b;
}

} // namespace tavernrush::assetgen
