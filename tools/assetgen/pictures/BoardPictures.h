#pragma once
// The five pictures shown on the 7 x 7 board above the player: win, time up,
// drunk, the relaxed unicorn and the toilet break. The board shows an
// ordinary upright picture the right way round, so they are painted and
// saved as they should read. 512 x 512 each.

#include "Image.h"

#include <filesystem>

namespace tavernrush::assetgen {

constexpr int boardPictureSize = 512;

Image paintWinPicture(int size);        // textures/won.jpg
Image paintTimeUpPicture(int size);     // textures/timeUP.jpg
Image paintDrunkPicture(int size);      // textures/drunk.jpg
Image paintMellowDudePicture(int size); // textures/mellowdude.jpg
Image paintToiletBreakPicture(int size); // textures/kloBreak.jpg

void writeBoardPicture(const std::filesystem::path& assets, const char* fileName, Image (*paint)(int));

} // namespace tavernrush::assetgen
