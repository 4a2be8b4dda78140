#pragma once
// textures/kellbrau.jpg: the label of the beer cans, wrapped once around the
// game's cylinder. Its u coordinate grows right to left for a viewer and
// only the first 15/16 of it lie on the side (the closing segment squeezes
// the rest), so the label is drawn mirrored with its two brand panels inside
// that part.

#include "Image.h"

#include <filesystem>

namespace tavernrush::assetgen {

// The label as it should read around the can.
Image paintBeerLabelUpright(int width, int height);
void writeBeerLabel(const std::filesystem::path& assets);

} // namespace tavernrush::assetgen
