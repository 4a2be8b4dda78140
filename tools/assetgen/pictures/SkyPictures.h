#pragma once
// The sky box faces and the two sky pictures of the (never drawn) sky room
// and cloud dome, all sampled from the same sky.

#include "CubeFace.h"
#include "Image.h"

#include <filesystem>

namespace tavernrush::assetgen {

constexpr int skyFaceSize = 1024;

Image paintSkyFace(CubeFace face, int size);

// textures/skybox/<face>.jpg
void writeSkyFace(const std::filesystem::path& assets, CubeFace face);
// textures/himmel.dds: looking up into the sky; textures/wolkenhimmel.dds: a
// cloudier all-round panorama.
void writeSkyDomePictures(const std::filesystem::path& assets);

} // namespace tavernrush::assetgen
