#pragma once
// JPEG pictures through libjpeg itself. libjpeg warns both about damage that
// costs pixels (data cut short, a bad Huffman code: the rest is filled with
// grey) and about stray bytes between sections that cost nothing, and
// FreeImage hands on only the first warning of a file; here every warning
// is looked at.

#include <cstdint>
#include <span>

struct FIBITMAP;

namespace tavernrush {

enum class JpegDecoding { decoded, failed, leftToFreeImage };

// Decodes `bytes` into a new 32-bit bitmap, rows bottom-up (top-down with
// flipVertically) in BGRA order: byte for byte what FreeImage's JPEG reader
// at its default settings followed by its conversion to 32 bits gives, in
// one pass over the pixels instead of three. A damaged picture (see below),
// one wider or taller than largestPictureSide, or one that cannot be read
// gives `failed` and no bitmap. CMYK pictures are left to FreeImage, which
// converts their colours its own way. The caller owns the bitmap.
JpegDecoding decodeJpegTo32Bits(std::span<const std::uint8_t> bytes, bool flipVertically, FIBITMAP*& bitmap);

// True when libjpeg decodes every scan line of `bytes` without an error and
// with no warning other than those that leave every pixel in place: bytes
// before a marker, an unknown JFIF revision.
bool jpegDecodesWhole(std::span<const std::uint8_t> bytes);

} // namespace tavernrush
