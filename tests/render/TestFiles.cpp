#include "TestFiles.h"

#include <stb_image_write.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <fstream>

namespace tavernrush::testing {
namespace {

std::vector<std::uint8_t> packed(const Picture& picture, int channels)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(picture.pixels.size() * static_cast<std::size_t>(channels));
    for (const Rgba& p : picture.pixels) {
        const std::array<std::uint8_t, 4> all{p.r, p.g, p.b, p.a};
        bytes.insert(bytes.end(), all.begin(), all.begin() + channels);
    }
    return bytes;
}

void putU32(std::vector<std::uint8_t>& bytes, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8) {
        bytes.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

} // namespace

Picture::Picture(int width, int height, Rgba fill)
    : width(width), height(height), pixels(static_cast<std::size_t>(width * height), fill)
{
}

Picture distinctPixels(int width, int height)
{
    Picture picture(width, height);
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            const int i = row * width + column;
            picture.at(column, row) = Rgba{static_cast<std::uint8_t>(10 + 40 * column),
                                           static_cast<std::uint8_t>(20 + 50 * row),
                                           static_cast<std::uint8_t>(250 - 20 * i), 255};
        }
    }
    return picture;
}

ScratchDirectory::ScratchDirectory()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "tavernrush-render-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        ADD_FAILURE() << "cannot create a temporary directory";
    }
    path_ = pattern;
}

ScratchDirectory::~ScratchDirectory()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string ScratchDirectory::file(const std::string& name) const { return (path_ / name).string(); }

std::string ScratchDirectory::prefix() const { return path_.string() + "/"; }

std::string ScratchDirectory::writeText(const std::string& name, const std::string& text) const
{
    const std::string full = file(name);
    std::ofstream(full, std::ios::binary) << text;
    return full;
}

std::string ScratchDirectory::writePng(const std::string& name, const Picture& picture, int channels) const
{
    const std::string full = file(name);
    const auto bytes = packed(picture, channels);
    EXPECT_NE(stbi_write_png(full.c_str(), picture.width, picture.height, channels, bytes.data(),
                             picture.width * channels),
              0);
    return full;
}

std::string ScratchDirectory::writeJpeg(const std::string& name, const Picture& picture) const
{
    const std::string full = file(name);
    const auto bytes = packed(picture, 3);
    // Top quality also switches off chroma subsampling, so each pixel keeps
    // its own colour up to rounding.
    EXPECT_NE(stbi_write_jpg(full.c_str(), picture.width, picture.height, 3, bytes.data(), 100), 0);
    return full;
}

std::string ScratchDirectory::writeDds(const std::string& name, const Picture& picture) const
{
    std::vector<std::uint8_t> bytes{'D', 'D', 'S', ' '};
    putU32(bytes, 124);                                          // header size
    putU32(bytes, 0x1 | 0x2 | 0x4 | 0x8 | 0x1000);               // caps, height, width, pitch, pixel format
    putU32(bytes, static_cast<std::uint32_t>(picture.height));
    putU32(bytes, static_cast<std::uint32_t>(picture.width));
    putU32(bytes, static_cast<std::uint32_t>(picture.width * 4)); // pitch
    putU32(bytes, 0);                                            // depth
    putU32(bytes, 0);                                            // mipmap count
    for (int i = 0; i < 11; ++i) {
        putU32(bytes, 0);
    }
    putU32(bytes, 32);       // pixel format size
    putU32(bytes, 0x40 | 0x1); // RGB with alpha
    putU32(bytes, 0);        // no four-character code
    putU32(bytes, 32);       // bits per pixel
    putU32(bytes, 0x00FF0000u);
    putU32(bytes, 0x0000FF00u);
    putU32(bytes, 0x000000FFu);
    putU32(bytes, 0xFF000000u);
    putU32(bytes, 0x1000); // plain texture
    for (int i = 0; i < 4; ++i) {
        putU32(bytes, 0);
    }
    for (const Rgba& p : picture.pixels) {
        bytes.insert(bytes.end(), {p.b, p.g, p.r, p.a});
    }
    const std::string full = file(name);
    std::ofstream(full, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
    return full;
}

} // namespace tavernrush::testing
