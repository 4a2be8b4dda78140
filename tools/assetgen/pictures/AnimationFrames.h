#pragma once
// frames/Frame01.jpg .. Frame22.jpg: the loop on the 5 x 3 board next to the
// start. A coin bounces and spins beside a beer mug that empties and fills
// again, and a row of 22 dots marks the step, so the loop visibly runs
// through its 22 pictures and returns to the first. Small (255 x 153, the
// board's 5:3) because the game decodes one every 0.4 seconds.

#include "Image.h"

#include <filesystem>

namespace tavernrush::assetgen {

constexpr int animationFrameCount = 22;
constexpr int animationFrameWidth = 255;
constexpr int animationFrameHeight = 153;

// Frame number 1..22.
Image paintAnimationFrame(int number);
void writeAnimationFrames(const std::filesystem::path& assets);

} // namespace tavernrush::assetgen
