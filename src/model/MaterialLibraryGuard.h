#pragma once
// The files an OBJ model names (its material libraries), handed to Assimp so
// that a damaged library cannot crash the game.
//
// Assimp 5.2.5 writes through a null material when a library names a texture
// (map_Kd, bump, norm, ...) before its first "newmtl" and the OBJ has not
// chosen a material yet, which it has not at its usual "mtllib" line. Every
// library is therefore read with a "newmtl" line in front: without a name,
// that line selects Assimp's default material, the one faces without a
// material use anyway, so a well-formed library reads exactly as before.

#include <assimp/IOSystem.hpp>

#include <memory>
#include <string>

namespace tavernrush {

class MaterialLibraryGuard final : public Assimp::IOSystem {
public:
    // Opens files through `files`; `model` (the OBJ itself) is passed through
    // unchanged, every other file is treated as a material library.
    MaterialLibraryGuard(std::unique_ptr<Assimp::IOSystem> files, std::string model);
    ~MaterialLibraryGuard() override;

    bool Exists(const char* file) const override;
    char getOsSeparator() const override;
    Assimp::IOStream* Open(const char* file, const char* mode) override;
    void Close(Assimp::IOStream* stream) override;
    bool ComparePaths(const char* one, const char* second) const override;

private:
    std::unique_ptr<Assimp::IOSystem> files_;
    std::string model_;
};

} // namespace tavernrush
