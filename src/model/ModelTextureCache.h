#pragma once
// Every texture one model has loaded, so that an image named by several
// materials (or twice by one) is decoded and uploaded once per model. The
// cache owns the GL textures; meshes only hold copies of the entries.

#include "model/MeshTexture.h"
#include "render/GlName.h"

#include <assimp/material.h>

#include <string>
#include <utility>
#include <vector>

namespace tavernrush {

class ModelTextureCache {
public:
    explicit ModelTextureCache(std::string directory) : directory_(std::move(directory)) {}

    // The textures of one Assimp texture kind of a material, in the material's
    // order, entered under typeName. A path already in the cache gives a copy
    // of the cached entry, whose type stays that of its first use.
    std::vector<MeshTexture> loadMaterialTextures(const aiMaterial& material, aiTextureType kind,
                                                  const std::string& typeName);

    // Loading order.
    const std::vector<MeshTexture>& entries() const { return entries_; }

private:
    const MeshTexture& entryFor(const std::string& path, const std::string& typeName);

    std::string directory_;
    std::vector<MeshTexture> entries_;
    std::vector<TextureName> ownedTextures_;
};

} // namespace tavernrush
