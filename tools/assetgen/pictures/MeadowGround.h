#pragma once
// textures/wood_texture.dds: the 500 x 500 ground of the level, a meadow with
// dirt paths between the places of the level and a sandy yard under the
// counter spheres. 2048 pixels give about four pixels per unit.

#include "Image.h"

#include <filesystem>

namespace tavernrush::assetgen {

constexpr int meadowSize = 2048;

Image paintMeadowGround(int size);
void writeMeadowGround(const std::filesystem::path& assets);

// The world point (x, z) a ground picture pixel centre lies over. The plane's
// texture coordinate (0, 0) is its corner (-250, -250), and the game uploads
// the bottom picture row at t = 0, so the picture's TOP row lies at z = +250.
glm::vec2 groundPixelToWorld(int column, int row, int size);

} // namespace tavernrush::assetgen
