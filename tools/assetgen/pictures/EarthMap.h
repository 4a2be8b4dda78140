#pragma once
// textures/earth.dds: a world map for the spinning earth sphere above the
// level, with oceans, shallows, forests, deserts and ice, turned for the
// sphere's texture layout (see SpherePictures.h).

#include "Image.h"

#include <filesystem>

namespace tavernrush::assetgen {

// Upright equirectangular map: longitude -180..180 left to right, north up.
Image paintWorldMap(int width, int height);
void writeEarthMap(const std::filesystem::path& assets);

} // namespace tavernrush::assetgen
