#pragma once
// Scratch files for the render tests: pictures the tests paint themselves and
// tiny shader sources, written to a private temporary directory so no test
// depends on the game's own assets.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace tavernrush::testing {

struct Rgba {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    std::uint8_t a = 255;
    friend bool operator==(const Rgba&, const Rgba&) = default;
};

// A picture as painted: rows from the top row down, pixels left to right.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<Rgba> pixels;

    Picture(int width, int height, Rgba fill = {});
    Rgba& at(int column, int rowFromTop) { return pixels[static_cast<std::size_t>(rowFromTop * width + column)]; }
    const Rgba& at(int column, int rowFromTop) const
    {
        return pixels[static_cast<std::size_t>(rowFromTop * width + column)];
    }
};

// A picture whose every pixel has its own colour, so any flip, shear or
// channel swap changes what comes back.
Picture distinctPixels(int width, int height);

class ScratchDirectory {
public:
    ScratchDirectory();
    ~ScratchDirectory();
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Full path of `name` inside the directory, as a string.
    std::string file(const std::string& name) const;
    // With a trailing separator, the form the loaders take as a directory.
    std::string prefix() const;

    std::string writeText(const std::string& name, const std::string& text) const;
    // 3 channels drop alpha; the file type follows the call, not the name.
    std::string writePng(const std::string& name, const Picture& picture, int channels = 4) const;
    std::string writeJpeg(const std::string& name, const Picture& picture) const;
    // Uncompressed 32-bit DDS, rows top-down as the format stores them.
    std::string writeDds(const std::string& name, const Picture& picture) const;

private:
    std::filesystem::path path_;
};

} // namespace tavernrush::testing
