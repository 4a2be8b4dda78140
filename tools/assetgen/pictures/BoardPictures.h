#pragma once
// The five pictures shown on the 7 x 7 board above the player: win, time up,
// drunk, the relaxed unicorn and the toilet break. The board shows an
// ordinary upright picture the right way round, so they are painted and
// saved as they should read. 512 x 512 each.

#include "Image.h"

#include <filesystem>

namespace tavernrush::assetgen {

constexpr int boardPictureSize = 512;

// Names the level's number of coins to win.
Image paintWinPicture(int size, int coinsToWin);
Image paintTimeUpPicture(int size);
Image paintDrunkPicture(int size);
Image paintMellowDudePicture(int size);
Image paintToiletBreakPicture(int size);

// A JPEG at `file` of the picture `paint` makes.
void writeBoardPicture(const std::filesystem::path& file, Image (*paint)(int));
void writeWinPicture(const std::filesystem::path& file, int coinsToWin);

} // namespace tavernrush::assetgen
