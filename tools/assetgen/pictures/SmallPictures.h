#pragma once
// The smaller pictures the game loads but shows little or nothing of:
// textures/gras.dds (grass), textures/ground.jpg with its normal map
// textures/groundN.jpg (cobblestones) and textures/tavernrush.dds (the
// title sign on a box that is built but not drawn).

#include "Image.h"

#include <filesystem>

namespace tavernrush::assetgen {

Image paintGrass(int size);
Image paintTitleSign(int size);
struct CobblePictures {
    Image colour;
    Image normals;
};
CobblePictures paintCobbles(int size);

void writeGrass(const std::filesystem::path& assets);
void writeCobbles(const std::filesystem::path& assets);
void writeTitleSign(const std::filesystem::path& assets);

} // namespace tavernrush::assetgen
