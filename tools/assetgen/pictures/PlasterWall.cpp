// Plaster: warm white with soft mottling, damp shading near the ground and
// flaked-off patches that show stones.
#include "pictures/PlasterWall.h"

#include "Noise.h"

#include <algorithm>
#include <glm/glm.hpp>
#include <cmath>

namespace tavernrush::assetgen {

Image paintPlasterWall(int size)
{
    Image image(size, size);
    const float scale = 8.0f / static_cast<float>(size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const glm::vec2 p = glm::vec2(static_cast<float>(x), static_cast<float>(y)) * scale;
            const float mottle = fbm(glm::vec3(p, 0.0f), 4, 501u);
            const float grain = hashUnit(x, y, 502u) - 0.5f;
            glm::vec3 colour = glm::vec3(0.93f, 0.90f, 0.82f) * (1.0f + 0.06f * mottle + 0.05f * grain);
            // Damp and splashes towards the bottom edge.
            const float v = static_cast<float>(y) / static_cast<float>(size);
            colour *= 1.0f - 0.22f * glm::smoothstep(0.7f, 1.0f, v + 0.08f * mottle);
            // Flaked patches showing rough stones.
            const float flake = fbm(glm::vec3(p * 0.45f, 5.0f), 4, 503u);
            const float bare = glm::smoothstep(0.30f, 0.34f, flake);
            if (bare > 0.0f) {
                const CellSample cell = cellular(p * 2.2f, 504u);
                const float joint = glm::smoothstep(0.05f, 0.18f, cell.secondNearest - cell.nearest);
                const float tone = hashUnit(cell.cell.x, cell.cell.y, 505u);
                const glm::vec3 stone = glm::mix(glm::vec3(0.55f, 0.50f, 0.44f), glm::vec3(0.72f, 0.66f, 0.58f), tone);
                const glm::vec3 rough = glm::mix(glm::vec3(0.45f, 0.42f, 0.38f), stone * (1.0f + 0.1f * grain), joint);
                colour = glm::mix(colour, rough, bare);
                // A thin shadowed rim where the plaster broke off.
                colour *= 1.0f - 0.25f * (glm::smoothstep(0.28f, 0.31f, flake) - glm::smoothstep(0.31f, 0.34f, flake));
            }
            image.at(x, y) = glm::vec4(glm::clamp(colour, 0.0f, 1.0f), 1.0f);
        }
    }
    return image;
}

} // namespace tavernrush::assetgen
