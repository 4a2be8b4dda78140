#include "render/ImageFileBytes.h"

#include <array>
#include <cstdio>
#include <memory>

namespace tavernrush {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

} // namespace

// C stdio rather than a stream: an ifstream on a directory opens, then throws
// from inside its iterator when read.
std::vector<std::uint8_t> readFileBytes(const std::string& path)
{
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        return {};
    }
    std::vector<std::uint8_t> bytes;
    std::array<std::uint8_t, 65536> chunk{};
    std::size_t count = 0;
    while ((count = std::fread(chunk.data(), 1, chunk.size(), file.get())) > 0) {
        bytes.insert(bytes.end(), chunk.begin(), chunk.begin() + static_cast<std::ptrdiff_t>(count));
    }
    if (std::ferror(file.get()) != 0) {
        return {};
    }
    return bytes;
}

} // namespace tavernrush
