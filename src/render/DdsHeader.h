#pragma once
// The fixed start of a DDS file, checked before the decoder sees the file.
// FreeImage trusts the header's size and reads a file that was cut short
// without complaint, so a truncated download would show as a picture of
// whatever memory held before.

#include <cstdint>
#include <span>

namespace tavernrush {

// Magic number, header and pixel format: the pixels follow these bytes.
inline constexpr std::size_t ddsHeaderBytes = 128;

// Every GL 4 driver takes textures of this size; a picture claiming a larger
// side is refused from its header rather than decoded and then refused by the
// upload.
inline constexpr std::uint32_t largestPictureSide = 16384;

// True when `header` (the first bytes of a file of `fileSize` bytes) is a DDS
// header of a kind FreeImage decodes faithfully (DXT1, DXT3 or DXT5 with both
// sides a multiple of 4, or uncompressed RGB) with a size a GL texture can
// take, and the file holds every pixel of the full-size picture.
bool ddsFileIsComplete(std::span<const std::uint8_t> header, std::uintmax_t fileSize);

} // namespace tavernrush
