#pragma once
// meshes/unicorns.obj with its colour atlas textures/unicornM.jpg: a white
// unicorn, 2.9 units tall to the horn tip, with a rainbow mane and tail and a
// golden horn. It stands on its origin and faces -x, the way most of the
// herd drifts. The material names no image; the game binds unicornM.jpg.

#include "Image.h"
#include "ObjFile.h"

#include <filesystem>

namespace tavernrush::assetgen {

struct UnicornAssets {
    ModelRecipe model;
    Image atlas;
};

UnicornAssets buildUnicorn();
void writeUnicorn(const std::filesystem::path& assets);

} // namespace tavernrush::assetgen
