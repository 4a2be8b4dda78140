#pragma once
// textures/coin.dds (the coin face), textures/coin_blur.png (the same face
// blurred, the glow the coin shader adds) and textures/coin_glow.png (a soft
// golden halo). The coin is a flat cylinder stood on its edge: its front cap
// shows the picture upside down, so the files hold it flipped vertically; the
// emblem is symmetric left to right because the back cap shows it mirrored.

#include "Image.h"

#include <filesystem>

namespace tavernrush::assetgen {

// The coin face as it should read on the front cap.
Image paintCoinFace(int size);
void writeCoinPictures(const std::filesystem::path& assets);

} // namespace tavernrush::assetgen
