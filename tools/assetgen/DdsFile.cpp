// DDS container and stb_dxt block compression. Blocks are stored top row
// first, the order image decoders expect of a DDS file.
#include "DdsFile.h"

#include "ImageFiles.h"

#include <stb_dxt.h>

#include <fstream>
#include <stdexcept>
#include <string>

namespace tavernrush::assetgen {

namespace {

constexpr std::uint32_t flagCaps = 0x1;
constexpr std::uint32_t flagHeight = 0x2;
constexpr std::uint32_t flagWidth = 0x4;
constexpr std::uint32_t flagPixelFormat = 0x1000;
constexpr std::uint32_t flagLinearSize = 0x80000;
constexpr std::uint32_t pixelFormatFourCc = 0x4;
constexpr std::uint32_t capsTexture = 0x1000;

void put32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<std::uint8_t>((value >> (8 * i)) & 0xffu));
    }
}

} // namespace

std::vector<std::uint8_t> encodeDds(const Image& image, DdsFormat format)
{
    const int width = image.width();
    const int height = image.height();
    if (width <= 0 || height <= 0 || width % 4 != 0 || height % 4 != 0) {
        throw std::runtime_error("DDS pictures need sizes that are multiples of 4, got " + std::to_string(width) + "x"
                                 + std::to_string(height));
    }
    const bool alpha = format == DdsFormat::Dxt5;
    const std::uint32_t blockBytes = alpha ? 16 : 8;
    const std::uint32_t levelBytes = static_cast<std::uint32_t>(width / 4) * static_cast<std::uint32_t>(height / 4) * blockBytes;

    std::vector<std::uint8_t> out;
    out.reserve(128 + levelBytes);
    out.insert(out.end(), {'D', 'D', 'S', ' '});
    put32(out, 124);
    put32(out, flagCaps | flagHeight | flagWidth | flagPixelFormat | flagLinearSize);
    put32(out, static_cast<std::uint32_t>(height));
    put32(out, static_cast<std::uint32_t>(width));
    put32(out, levelBytes);
    put32(out, 0); // depth
    put32(out, 0); // mipmap count: one level only
    for (int i = 0; i < 11; ++i) {
        put32(out, 0);
    }
    put32(out, 32); // pixel format size
    put32(out, pixelFormatFourCc);
    out.insert(out.end(), {'D', 'X', 'T', static_cast<std::uint8_t>(alpha ? '5' : '1')});
    for (int i = 0; i < 5; ++i) {
        put32(out, 0); // bit count and masks, unused with a FourCC
    }
    put32(out, capsTexture);
    for (int i = 0; i < 4; ++i) {
        put32(out, 0); // caps2..4, reserved
    }

    const std::vector<std::uint8_t> rgba = toBytes(image, 4);
    unsigned char block[64];
    unsigned char packed[16];
    for (int by = 0; by < height; by += 4) {
        for (int bx = 0; bx < width; bx += 4) {
            for (int y = 0; y < 4; ++y) {
                for (int x = 0; x < 4; ++x) {
                    const std::size_t src = (static_cast<std::size_t>(by + y) * width + (bx + x)) * 4;
                    for (int c = 0; c < 4; ++c) {
                        block[(y * 4 + x) * 4 + c] = rgba[src + c];
                    }
                }
            }
            stb_compress_dxt_block(packed, block, alpha ? 1 : 0, STB_DXT_HIGHQUAL);
            out.insert(out.end(), packed, packed + blockBytes);
        }
    }
    return out;
}

void writeDds(const std::filesystem::path& path, const Image& image, DdsFormat format)
{
    const std::vector<std::uint8_t> bytes = encodeDds(image, format);
    if (path.has_parent_path()) {
        std::filesystem::create_directories(path.parent_path());
    }
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

} // namespace tavernrush::assetgen
