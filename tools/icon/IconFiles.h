#pragma once
// Reading the generated pictures and writing the icon, through FreeImage as
// the game itself reads pictures (it is the one library here that decodes
// the DDS coin face as well as PNG).

#include "RgbaImage.h"

#include <filesystem>
#include <optional>

namespace tavernrush::icon {

// Any picture FreeImage can decode, as straight-alpha RGBA with rows from the
// top; nothing when the file is missing or cannot be decoded.
std::optional<RgbaImage> loadPicture(const std::filesystem::path& path);

// Writes a PNG with an alpha channel; false when it could not be written.
bool savePng(const RgbaImage& image, const std::filesystem::path& path);

} // namespace tavernrush::icon
