#pragma once
// A level's ground picture, painted from its file: grass in the colours of
// the level's style, dirt paths along the level's paths, trampled patches at
// the ladder and the hut door, and a sandy yard in a ring of stones under
// the counter spheres. 2048 pixels over the meadow's 500 units give about
// four pixels per unit.

#include "Image.h"

#include "game/LevelDescription.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tavernrush::assetgen {

constexpr int groundPictureSize = 2048;

// The styles a level's [ground] style may name.
std::vector<std::string> groundStyles();

// Empty when the level names no known style.
Image paintLevelGround(const LevelDescription& level, int size);
// Writes the picture the level's [ground] picture names, below `assets`.
void writeLevelGround(const std::filesystem::path& assets, const LevelDescription& level);

// The world point (x, z) a ground picture pixel centre lies over. The plane's
// texture coordinate (0, 0) is its corner (-half, -half), and the game uploads
// the bottom picture row at t = 0, so the picture's TOP row lies at z = +half.
glm::vec2 groundPixelToWorld(int column, int row, int size, float groundSize);

} // namespace tavernrush::assetgen
