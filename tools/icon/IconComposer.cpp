#include "IconComposer.h"

#include <glm/common.hpp>
#include <glm/geometric.hpp>

namespace tavernrush::icon {

RgbaImage composeIcon(const RgbaImage& coinFace, const RgbaImage& halo, int size, const IconLayout& layout)
{
    RgbaImage icon(size, size);
    if (icon.empty()) {
        return icon;
    }
    const float pixelsPerUnit = static_cast<float>(size);
    const float coinRadius = 0.5f * layout.coinDiameter;
    const glm::vec2 centre(0.5f);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const glm::vec2 uv = (glm::vec2(x, y) + 0.5f) / pixelsPerUnit;

            glm::vec4 glow(0.0f);
            if (!halo.empty()) {
                glow = samplePremultiplied(halo, uv) * layout.haloGain;
                // Past full coverage, scale back as a whole so the hue stays.
                if (glow.a > 1.0f) {
                    glow /= glow.a;
                }
            }
            glm::vec4 coin(0.0f);
            if (!coinFace.empty() && coinRadius > 0.0f) {
                // One pixel wide ramp at the rim instead of a jagged edge.
                const float coverage = glm::clamp((coinRadius - glm::distance(uv, centre)) * pixelsPerUnit + 0.5f, 0.0f, 1.0f);
                if (coverage > 0.0f) {
                    const glm::vec2 faceUv = (uv - centre) / layout.coinDiameter + 0.5f;
                    coin = samplePremultiplied(coinFace, faceUv) * coverage;
                }
            }
            // The coin lies over its halo.
            const glm::vec4 colour = coin + glow * (1.0f - coin.a);
            if (colour.a > 0.0f) {
                icon.set(x, y, glm::vec4(glm::vec3(colour) / colour.a, colour.a));
            }
        }
    }
    return icon;
}

} // namespace tavernrush::icon
