#pragma once
// Writes pictures as JPEG and PNG files, top row first as those formats store
// them. Failures throw std::runtime_error with the path, so a broken asset
// tree never looks complete.

#include "Image.h"

#include <cstdint>
#include <filesystem>
#include <vector>

namespace tavernrush::assetgen {

// 8-bit RGBA bytes, top row first.
std::vector<std::uint8_t> toBytes(const Image& image, int channels);

// Quality 95 keeps full colour resolution (no chroma subsampling), which the
// lettering needs.
void writeJpeg(const std::filesystem::path& path, const Image& image, int quality = 95);
void writePng(const std::filesystem::path& path, const Image& image, bool withAlpha);

} // namespace tavernrush::assetgen
