#pragma once
// The CPU half of importing a model: Assimp reads the file with our flags and
// the meshes come out in node-walk order, ready for convertMeshGeometry. No GL
// is touched here, so the reading can be tested and fuzzed without a window;
// ImportedModel adds the textures and the uploads.

#include <assimp/IOSystem.hpp>
#include <assimp/Importer.hpp>
#include <assimp/postprocess.h>
#include <assimp/scene.h>

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace tavernrush {

// Triangulate, flip V for GL's bottom-up textures, derive tangents for normal
// mapping. Nothing else: missing normals and tangents are filled in by the
// mesh conversion, and point and line faces are dropped there.
inline constexpr unsigned modelImportFlags = aiProcess_Triangulate | aiProcess_FlipUVs | aiProcess_CalcTangentSpace;

class ModelImport {
public:
    // Reads `path` from disk; an OBJ file's material libraries are read
    // through MaterialLibraryGuard.
    static ModelImport readFile(const std::string& path);
    // Reads a model held in memory the way a file is read; `formatHint` is
    // the extension Assimp picks its reader by ("obj"). Files the model names
    // (an OBJ's material library) are opened through `otherFiles`, or from
    // disk when it is null, and guarded like those of a file.
    static ModelImport readMemory(std::span<const std::uint8_t> bytes, const char* formatHint,
                                  std::unique_ptr<Assimp::IOSystem> otherFiles);

    // A scene with a root node that read and post-processed without failing.
    bool usable() const { return scene_ != nullptr; }
    // Why the model is not usable: the importer's own message.
    const std::string& failure() const { return failure_; }
    // Damage Assimp worked around while reading (a material file it could not
    // find, a material the file names but lacks), first one first.
    const std::vector<std::string>& readErrors() const { return readErrors_; }

    // The meshes in draw order, null entries and broken references left out;
    // empty when the model is not usable.
    const std::vector<const aiMesh*>& meshes() const { return meshes_; }
    // The material a mesh names, or null when the file gives none it holds.
    const aiMaterial* materialOf(const aiMesh& mesh) const;

private:
    ModelImport();
    void finishReading(const aiScene* scene);

    // Owns the scene; behind a pointer so a ModelImport can move.
    std::unique_ptr<Assimp::Importer> importer_;
    const aiScene* scene_ = nullptr;
    std::string failure_;
    std::vector<std::string> readErrors_;
    std::vector<const aiMesh*> meshes_;
};

} // namespace tavernrush
