#pragma once
// A second look at a JPEG that FreeImage decoded with a complaint. libjpeg
// warns both about damage that costs pixels (data cut short, a bad Huffman
// code: the rest is filled with grey) and about stray bytes between sections
// that cost nothing, and FreeImage hands on only the first warning of a file.

#include <cstdint>
#include <span>

namespace tavernrush {

// True when libjpeg decodes every scan line of `bytes` without an error and
// with no warning other than those that leave every pixel in place: bytes
// before a marker, an unknown JFIF revision.
bool jpegDecodesWhole(std::span<const std::uint8_t> bytes);

} // namespace tavernrush
