#pragma once
// meshes/wand.obj: the free-standing brick wall, 5 wide, 3 high and 0.4
// thick, centred on its origin (the game stands it at height 1.5). Its
// material names no image: the game binds bricks.jpg and the normal map
// bricksN.jpg, and the face coordinates fit those 5:3 pictures exactly.

#include "ObjFile.h"

#include <filesystem>

namespace tavernrush::assetgen {

constexpr glm::vec3 brickWallSize{5.0f, 3.0f, 0.4f};

ModelRecipe buildBrickWall();
void writeBrickWall(const std::filesystem::path& assets);

} // namespace tavernrush::assetgen
