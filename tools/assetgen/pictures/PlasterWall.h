#pragma once
// textures/wall.jpg (also meshes/wall.jpg for the plain wall model): a
// whitewashed plaster wall with a few patches of bare stone.

#include "Image.h"

#include <filesystem>

namespace tavernrush::assetgen {

Image paintPlasterWall(int size);

} // namespace tavernrush::assetgen
