// Sky colour from direction. Clouds are noise on a virtual cloud layer seen
// through the direction, so they shrink towards the horizon like real ones.
#include "SkyModel.h"

#include "Noise.h"

#include <algorithm>
#include <glm/glm.hpp>
#include <cmath>

namespace tavernrush::assetgen {

glm::vec3 sunDirection()
{
    return glm::normalize(glm::vec3(0.0f, 1.0f, -1.0f));
}

namespace {


constexpr glm::vec3 zenithBlue{0.16f, 0.40f, 0.84f};
constexpr glm::vec3 horizonBlue{0.68f, 0.83f, 0.97f};
constexpr glm::vec3 haze{0.70f, 0.80f, 0.86f};
constexpr glm::vec3 farHillColour{0.42f, 0.58f, 0.64f};
constexpr glm::vec3 nearHillColour{0.30f, 0.50f, 0.26f};
constexpr glm::vec3 meadowColour{0.34f, 0.54f, 0.22f};

float cloudDensity(glm::vec2 layer, float cover, int octaves = 5)
{
    const float n = fbm(glm::vec3(layer, 0.5f), octaves, 9101u, 0.55f);
    const float threshold = 0.25f - cover * 0.5f;
    return glm::smoothstep(threshold, threshold + 0.3f, n);
}

// Height of a hill range above the horizon (in sine of elevation) for the
// horizontal direction; noise on the unit circle has no seam at any angle.
float hillHeight(glm::vec2 horizontal, float base, float amplitude, float frequency, std::uint32_t seed)
{
    const float n = fbm(glm::vec3(horizontal * frequency, 3.7f), 4, seed, 0.5f);
    return base + amplitude * (0.5f + 0.5f * n);
}

} // namespace

glm::vec3 skyColour(const glm::vec3& direction, const SkyStyle& style)
{
    const glm::vec3 d = glm::normalize(direction);
    const float elevation = d.y;
    const float up = std::max(elevation, 0.0f);

    glm::vec3 colour = glm::mix(horizonBlue, zenithBlue, std::pow(up, 0.6f));

    // Sun: a broad warm glow and a crisp disc.
    const glm::vec3 sun = sunDirection();
    const float angle = std::acos(std::clamp(glm::dot(d, sun), -1.0f, 1.0f));
    colour += glm::vec3(1.0f, 0.88f, 0.62f) * (0.45f * std::exp(-angle * angle / 0.03f) + 0.18f * std::exp(-angle / 0.08f));
    const float disc = 1.0f - glm::smoothstep(0.040f, 0.044f, angle);
    colour = glm::mix(colour, glm::vec3(1.0f, 0.98f, 0.88f), disc);

    if (elevation > 0.0f) {
        const glm::vec2 layer = glm::vec2(d.x, d.z) / (elevation + 0.12f) * 1.1f;
        const float density = cloudDensity(layer, style.cloudCover);
        if (density > 0.0f) {
            // Light the cloud from the sun side: thinner towards the sun means brighter.
            const glm::vec2 towardSun = glm::normalize(glm::vec2(sun.x, sun.z) + 1e-6f) * 0.12f;
            // The shading only needs the cloud's broad shape.
            const float shadow = cloudDensity(layer + towardSun, style.cloudCover, 3);
            const float lit = std::clamp(0.65f + (density - shadow) * 1.5f, 0.0f, 1.0f);
            const glm::vec3 cloud = glm::mix(glm::vec3(0.70f, 0.75f, 0.86f), glm::vec3(1.0f, 0.99f, 0.96f), lit);
            const float fade = glm::smoothstep(0.0f, 0.18f, elevation);
            colour = glm::mix(colour, cloud, density * fade * 0.95f);
        }
        // Haze thickens at the horizon.
        colour = glm::mix(colour, haze, (1.0f - glm::smoothstep(0.0f, 0.12f, elevation)) * 0.6f);
    } else {
        const float depth = glm::smoothstep(0.0f, -0.25f, elevation);
        colour = glm::mix(glm::mix(haze, meadowColour, 0.55f), meadowColour * 0.8f, depth);
    }

    if (style.withHills && elevation < 0.12f) {
        const float horizontalLength = std::sqrt(d.x * d.x + d.z * d.z);
        const glm::vec2 horizontal = horizontalLength > 1e-6f ? glm::vec2(d.x, d.z) / horizontalLength : glm::vec2(1, 0);
        const float pixel = 0.0015f;
        const float far = hillHeight(horizontal, 0.02f, 0.09f, 2.2f, 4242u);
        const float farCover = 1.0f - glm::smoothstep(far - pixel, far + pixel, elevation);
        const glm::vec3 farHills = glm::mix(farHillColour, haze, 0.35f + 0.4f * glm::smoothstep(far - 0.05f, far, elevation));
        colour = glm::mix(colour, farHills, farCover);
        const float nearTop = hillHeight(horizontal, -0.01f, 0.06f, 4.5f, 777u);
        const float nearCover = 1.0f - glm::smoothstep(nearTop - pixel, nearTop + pixel, elevation);
        const glm::vec3 nearHills = glm::mix(nearHillColour, glm::mix(haze, meadowColour, 0.6f),
                                             0.5f * glm::smoothstep(nearTop, nearTop - 0.04f, elevation));
        colour = glm::mix(colour, nearHills, nearCover);
    }
    return glm::clamp(colour, 0.0f, 1.0f);
}

} // namespace tavernrush::assetgen
