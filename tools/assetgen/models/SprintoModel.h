#pragma once
// meshes/sprinto.obj with its colour atlas textures/metall.jpg: the player
// figure, a cheerful runner in a green tunic with a shining steel helmet and
// a red plume. It stands on its origin, is about 4 units tall and faces -z.
// Its material names no image: the game binds metall.jpg before drawing it
// (and the shadow shader needs unit 1 free), so its faces point into that
// atlas.

#include "Image.h"
#include "ObjFile.h"

#include <filesystem>

namespace tavernrush::assetgen {

struct SprintoAssets {
    ModelRecipe model;
    Image atlas;
};

SprintoAssets buildSprinto();
void writeSprinto(const std::filesystem::path& assets);

} // namespace tavernrush::assetgen
