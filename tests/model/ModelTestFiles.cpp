#include "ModelTestFiles.h"

#include <stb_image_write.h>

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <stdexcept>

namespace tavernrush::testing {

TempDir::TempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "tavernrush-model-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder");
    }
    path_ = pattern;
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::write(const std::string& name, const std::string& contents) const
{
    const std::filesystem::path target = path_ / name;
    std::filesystem::create_directories(target.parent_path());
    std::ofstream out(target, std::ios::binary);
    out << contents;
    return target.string();
}

std::string TempDir::writePng(const std::string& name, int width, int height, int channels,
                              const std::vector<unsigned char>& pixels) const
{
    const std::filesystem::path target = path_ / name;
    std::filesystem::create_directories(target.parent_path());
    if (stbi_write_png(target.string().c_str(), width, height, channels, pixels.data(), width * channels) == 0) {
        throw std::runtime_error("cannot write " + target.string());
    }
    return target.string();
}

std::string TempDir::writeSolidPng(const std::string& name, int width, int height,
                                   const std::vector<unsigned char>& colour) const
{
    std::vector<unsigned char> pixels;
    for (int i = 0; i < width * height; ++i) {
        pixels.insert(pixels.end(), colour.begin(), colour.end());
    }
    return writePng(name, width, height, static_cast<int>(colour.size()), pixels);
}

CoutCapture::CoutCapture() : previous_(std::cout.rdbuf(buffer_.rdbuf())) {}

CoutCapture::~CoutCapture() { std::cout.rdbuf(previous_); }

} // namespace tavernrush::testing
