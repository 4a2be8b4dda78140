#pragma once
// The game's on-screen lettering (textures/hud.png, laid out as
// src/scene/HudAtlas.h says) and the board shown while paused
// (textures/paused.png). Both keep their transparency.

#include "Image.h"

#include <filesystem>

namespace tavernrush::assetgen {

Image paintHudAtlas();
Image paintPausedBoard();
void writeHudPictures(const std::filesystem::path& assets);

} // namespace tavernrush::assetgen
