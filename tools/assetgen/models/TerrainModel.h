#pragma once
// meshes/terrain.obj with its own picture meshes/terrain.jpg: a gentle
// grassy height field, 120 x 120 units around its origin with hills of up
// to about two units. The game imports it but does not draw it.

#include "Image.h"
#include "ObjFile.h"

#include <filesystem>

namespace tavernrush::assetgen {

float terrainHeight(float x, float z);
ModelRecipe buildTerrain();
void writeTerrain(const std::filesystem::path& assets);

} // namespace tavernrush::assetgen
