#include "model/ModelTextureCache.h"

#include "model/MeshTextureLoader.h"

namespace tavernrush {

std::vector<MeshTexture> ModelTextureCache::loadMaterialTextures(const aiMaterial& material, aiTextureType kind,
                                                                 const std::string& typeName)
{
    std::vector<MeshTexture> textures;
    const unsigned count = aiGetMaterialTextureCount(&material, kind);
    for (unsigned i = 0; i < count; ++i) {
        aiString path;
        if (aiGetMaterialTexture(&material, kind, i, &path) != aiReturn_SUCCESS) {
            continue;
        }
        textures.push_back(entryFor(path.C_Str(), typeName));
    }
    return textures;
}

const MeshTexture& ModelTextureCache::entryFor(const std::string& path, const std::string& typeName)
{
    for (const MeshTexture& entry : entries_) {
        if (entry.path == path) {
            return entry;
        }
    }
    TextureName texture = loadImageTexture(path, directory_);
    entries_.push_back(MeshTexture{texture.get(), typeName, path});
    ownedTextures_.push_back(std::move(texture));
    return entries_.back();
}

} // namespace tavernrush
