#pragma once
// DirectDraw Surface output with block compression. DXT1 (opaque, 4 bits per
// pixel) keeps the big ground and sky pictures small; DXT5 adds a smooth alpha
// channel. Width and height must be multiples of 4.

#include "Image.h"

#include <cstdint>
#include <filesystem>
#include <vector>

namespace tavernrush::assetgen {

enum class DdsFormat { Dxt1, Dxt5 };

// The complete file: "DDS " magic, 124-byte header, one compressed level.
std::vector<std::uint8_t> encodeDds(const Image& image, DdsFormat format);
void writeDds(const std::filesystem::path& path, const Image& image, DdsFormat format);

} // namespace tavernrush::assetgen
