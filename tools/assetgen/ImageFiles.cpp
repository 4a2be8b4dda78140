// JPEG and PNG output through stb_image_write.
#include "ImageFiles.h"

#include <stb_image_write.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace tavernrush::assetgen {

std::vector<std::uint8_t> toBytes(const Image& image, int channels)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(static_cast<std::size_t>(image.width()) * static_cast<std::size_t>(image.height()) * channels);
    for (const glm::vec4& p : image.pixels()) {
        for (int c = 0; c < channels; ++c) {
            const float v = std::clamp(p[c], 0.0f, 1.0f);
            bytes.push_back(static_cast<std::uint8_t>(std::lround(v * 255.0f)));
        }
    }
    return bytes;
}

namespace {

void prepareDirectory(const std::filesystem::path& path)
{
    if (path.has_parent_path()) {
        std::filesystem::create_directories(path.parent_path());
    }
}

} // namespace

void writeJpeg(const std::filesystem::path& path, const Image& image, int quality)
{
    prepareDirectory(path);
    const std::vector<std::uint8_t> bytes = toBytes(image, 3);
    if (stbi_write_jpg(path.c_str(), image.width(), image.height(), 3, bytes.data(), quality) == 0) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

void writePng(const std::filesystem::path& path, const Image& image, bool withAlpha)
{
    prepareDirectory(path);
    const int channels = withAlpha ? 4 : 3;
    const std::vector<std::uint8_t> bytes = toBytes(image, channels);
    if (stbi_write_png(path.c_str(), image.width(), image.height(), channels, bytes.data(), image.width() * channels)
        == 0) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

} // namespace tavernrush::assetgen
