#pragma once
// meshes/leiter.obj with its own wood picture meshes/leiter_holz.jpg: a
// wooden A-frame stepladder six units high, standing on its origin with its
// climbing side turned towards the middle of the level (the game places it
// at (40, 0, -40)). Its material names the wood picture, which replaces the
// grass picture the game binds before drawing it.

#include "Image.h"
#include "ObjFile.h"

#include <filesystem>

namespace tavernrush::assetgen {

constexpr float ladderHeight = 6.0f;

Image paintLadderWood(int width, int height);
ModelRecipe buildLadder();
void writeLadder(const std::filesystem::path& assets);

} // namespace tavernrush::assetgen
