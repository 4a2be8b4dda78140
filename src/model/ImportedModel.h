#pragma once
// An OBJ model (or anything else Assimp reads) as a flat list of drawable
// meshes in node-walk order, with the material textures loaded from image
// files next to the model file. Node transformations are not applied: every
// mesh keeps the coordinates of the file.
//
// The model owns every GL object it created: its meshes own their buffers and
// the texture cache owns the textures, so a texture shared by several meshes
// is deleted once. Destroy models while the GL context still exists.

#include "model/ImportedMesh.h"
#include "model/ModelTextureCache.h"

#include <string>
#include <vector>

namespace tavernrush {

class ImportedModel {
public:
    // Imports at once; needs a current GL context. A file that cannot be
    // imported prints "ERROR::ASSIMP:: " and the importer's message and
    // leaves the model empty, which draws nothing. A file read with errors
    // (a missing material file, say) or without any triangle prints one such
    // line too. Every such line names the file.
    explicit ImportedModel(const std::string& path);

    ImportedModel(ImportedModel&&) noexcept = default;
    ImportedModel& operator=(ImportedModel&&) noexcept = default;
    ImportedModel(const ImportedModel&) = delete;
    ImportedModel& operator=(const ImportedModel&) = delete;
    ~ImportedModel() = default;

    // Draws every mesh in list order with the program the caller made
    // current and whose uniforms it set.
    void draw() const;

    const std::vector<MeshTexture>& textureCache() const { return textureCache_.entries(); }
    const std::vector<ImportedMesh>& meshes() const { return meshes_; }
    // The model path up to its last "/", or the whole path if it has none.
    const std::string& directory() const { return directory_; }

private:
    std::string directory_;
    ModelTextureCache textureCache_;
    std::vector<ImportedMesh> meshes_;
};

// The part of a model path that its texture paths are relative to.
std::string modelDirectory(const std::string& path);

} // namespace tavernrush
