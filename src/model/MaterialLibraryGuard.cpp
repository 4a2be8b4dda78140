#include "model/MaterialLibraryGuard.h"

#include <assimp/BaseImporter.h>
#include <assimp/IOStream.hpp>
#include <assimp/MemoryIOWrapper.h>

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tavernrush {
namespace {

// Marks the streams made here, so Close() knows which ones to delete itself.
class GuardedLibrary final : public Assimp::MemoryIOStream {
public:
    GuardedLibrary(std::uint8_t* bytes, std::size_t size) : Assimp::MemoryIOStream(bytes, size, true) {}
};

std::vector<char> readAll(Assimp::IOStream& stream)
{
    std::vector<char> bytes(stream.FileSize());
    const std::size_t read = bytes.empty() ? 0 : stream.Read(bytes.data(), 1, bytes.size());
    bytes.resize(read);
    return bytes;
}

} // namespace

MaterialLibraryGuard::MaterialLibraryGuard(std::unique_ptr<Assimp::IOSystem> files, std::string model)
    : files_(std::move(files))
    , model_(std::move(model))
{
}

MaterialLibraryGuard::~MaterialLibraryGuard() = default;

bool MaterialLibraryGuard::Exists(const char* file) const { return files_->Exists(file); }

char MaterialLibraryGuard::getOsSeparator() const { return files_->getOsSeparator(); }

bool MaterialLibraryGuard::ComparePaths(const char* one, const char* second) const
{
    return files_->ComparePaths(one, second);
}

Assimp::IOStream* MaterialLibraryGuard::Open(const char* file, const char* mode)
{
    Assimp::IOStream* stream = files_->Open(file, mode);
    if (stream == nullptr || model_ == file) {
        return stream;
    }
    std::vector<char> library = readAll(*stream);
    files_->Close(stream);
    // An empty library has nothing to guard, and reads as before.
    constexpr std::string_view selectDefault = "newmtl\n";
    if (library.empty()) {
        return new GuardedLibrary(new std::uint8_t[0], 0);
    }
    // In UTF-8 first, as Assimp reads it, so the line goes in front of the
    // text rather than in front of a byte order mark. (Assimp's conversion
    // throws for fewer than 8 bytes, which hold no byte order mark worth
    // converting; with the line in front, such a scrap no longer fails the
    // whole model but reads as a library without materials.)
    if (library.size() >= 8) {
        Assimp::BaseImporter::ConvertToUTF8(library);
    }
    auto* guarded = new std::uint8_t[selectDefault.size() + library.size()];
    std::copy(selectDefault.begin(), selectDefault.end(), guarded);
    std::copy(library.begin(), library.end(), guarded + selectDefault.size());
    return new GuardedLibrary(guarded, selectDefault.size() + library.size());
}

void MaterialLibraryGuard::Close(Assimp::IOStream* stream)
{
    if (dynamic_cast<GuardedLibrary*>(stream) != nullptr) {
        delete stream;
    } else {
        files_->Close(stream);
    }
}

} // namespace tavernrush
