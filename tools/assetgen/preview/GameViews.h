#pragma once
// Previews of pictures in the places the game shows them: the counter
// spheres, the coin and beer shapes, the boards, the sky box and the level as
// the camera first sees it. The shapes repeat the game's own vertex and
// texture-coordinate layout, so a picture that reads wrongly here reads
// wrongly in the game.

#include "Image.h"

#include <filesystem>

namespace tavernrush::assetgen {

Image skyPreview(const std::filesystem::path& assets);
Image inGamePictures(const std::filesystem::path& assets);
Image startView(const std::filesystem::path& assets);

} // namespace tavernrush::assetgen
