#pragma once
// meshes/bag.obj with its colour atlas textures/bagR.jpg: the money sack the
// figure carries on its back, a red-brown burlap bag tied with a golden
// cord, with a gold coin sewn on the side that faces the camera (+z). It is
// centred on its origin, about 0.9 x 1.1 x 0.6, because the game spins it
// about its own z axis. The material names no image: the game binds bagR.jpg.

#include "Image.h"
#include "ObjFile.h"

#include <filesystem>

namespace tavernrush::assetgen {

struct BagAssets {
    ModelRecipe model;
    Image atlas;
};

BagAssets buildBag();
void writeBag(const std::filesystem::path& assets);

} // namespace tavernrush::assetgen
