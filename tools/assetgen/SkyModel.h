#pragma once
// The sky around the level as a function of the viewing direction (y up):
// a blue gradient, the sun where the game's directional light comes from,
// soft clouds, and hazy hills with meadow below the horizon where the ground
// plane ends at the far plane. Every sky picture (the six cube faces, the
// sky dome pictures) is sampled from this one function, so cube faces meet
// without seams.

#include <glm/glm.hpp>

namespace tavernrush::assetgen {

// The light travels along (0, -1, 1); the sun sits opposite, 45 degrees up
// in the -z direction the player faces at the start.
glm::vec3 sunDirection();

struct SkyStyle {
    float cloudCover = 0.45f; // 0 clear .. 1 overcast
    bool withHills = true;
};

glm::vec3 skyColour(const glm::vec3& direction, const SkyStyle& style = {});

} // namespace tavernrush::assetgen
