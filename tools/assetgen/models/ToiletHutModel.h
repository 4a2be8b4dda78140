#pragma once
// meshes/klo.obj with its colour atlas textures/klo.jpg: the wooden toilet
// hut, 4 x 4 units with walls 4.4 high under a gabled shingle roof, a plank
// door with a heart cut through it and a "WC" sign. Its floor lies at y = -2,
// so the game's placement at height 2 puts it on the ground; the door faces
// the middle of the level from the hut's place at (70, 2, -70). The material
// names no image: the game binds klo.jpg.

#include "Image.h"
#include "ObjFile.h"

#include <filesystem>

namespace tavernrush::assetgen {

constexpr float toiletHutFloorY = -2.0f;

struct ToiletHutAssets {
    ModelRecipe model;
    Image atlas;
};

ToiletHutAssets buildToiletHut();
void writeToiletHut(const std::filesystem::path& assets);

} // namespace tavernrush::assetgen
