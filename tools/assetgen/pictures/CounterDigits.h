#pragma once
// textures/coin0.jpg .. coin9.jpg and beer0.jpg .. beer4.jpg: the counter
// spheres' pictures. Each shows its digit three times around the equator, so
// the count reads from any side while the sphere turns. The game decodes
// them again whenever a count changes, so they stay small (256 x 128).

#include "Image.h"

#include <filesystem>

namespace tavernrush::assetgen {

enum class Counter { Coins, Beers };

constexpr int counterPictureWidth = 256;
constexpr int counterPictureHeight = 128;

// The picture as it should read on the sphere (north up), before turning.
Image paintCounterUpright(Counter counter, int digit);
void writeCounterDigits(const std::filesystem::path& assets, Counter counter);

} // namespace tavernrush::assetgen
