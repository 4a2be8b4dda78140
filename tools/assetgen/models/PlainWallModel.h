#pragma once
// meshes/wall.obj: a plain plastered wall, 4 wide, 3 high, 0.3 thick,
// standing on its origin. The game imports it but never draws it; its
// material names its own picture, meshes/wall.jpg.

#include "ObjFile.h"

#include <filesystem>

namespace tavernrush::assetgen {

ModelRecipe buildPlainWall();
// Writes meshes/wall.obj, wall.mtl and the plaster picture wall.jpg, and the
// same plaster as textures/wall.jpg.
void writePlainWall(const std::filesystem::path& assets);

} // namespace tavernrush::assetgen
