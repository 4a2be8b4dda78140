#include "model/ImportedModel.h"

#include "model/NodeWalk.h"

#include <assimp/Importer.hpp>
#include <assimp/postprocess.h>
#include <assimp/scene.h>

#include <iostream>

namespace tavernrush {
namespace {

// Triangulate, flip V for GL's bottom-up textures, derive tangents for normal
// mapping. Nothing else: missing normals and tangents are filled in by the
// mesh conversion, and point and line faces are dropped there.
constexpr unsigned importFlags = aiProcess_Triangulate | aiProcess_FlipUVs | aiProcess_CalcTangentSpace;
static_assert(importFlags == 0x800009);

// Texture kinds in the order a mesh binds them to units 0, 1, 2, ... Assimp's
// OBJ reader files map_Kd as diffuse, map_Ks as specular, map_bump and bump as
// HEIGHT and map_Ka as AMBIENT; the shaders take the bump map as their normal
// map. (map_Kn and norm become Assimp's NORMALS kind and are not loaded.)
struct TextureKind {
    aiTextureType assimpType;
    const char* typeName;
};
constexpr TextureKind textureKinds[] = {
    {aiTextureType_DIFFUSE, "texture_diffuse"},
    {aiTextureType_SPECULAR, "texture_specular"},
    {aiTextureType_HEIGHT, "texture_normal"},
    {aiTextureType_AMBIENT, "texture_height"},
};

} // namespace

std::string modelDirectory(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(0, slash);
}

ImportedModel::ImportedModel(const std::string& path)
    : directory_(modelDirectory(path))
    , textureCache_(directory_)
{
    Assimp::Importer importer;
    const aiScene* scene = importer.ReadFile(path, importFlags);
    if (scene == nullptr || (scene->mFlags & AI_SCENE_FLAGS_INCOMPLETE) != 0 || scene->mRootNode == nullptr) {
        std::cout << "ERROR::ASSIMP:: " << importer.GetErrorString() << std::endl;
        return;
    }

    const unsigned meshCount = scene->mMeshes != nullptr ? scene->mNumMeshes : 0;
    for (const unsigned meshIndex : meshIndicesInWalkOrder(*scene->mRootNode, meshCount)) {
        const aiMesh* mesh = scene->mMeshes[meshIndex];
        if (mesh == nullptr) {
            continue;
        }
        std::vector<MeshTexture> textures;
        if (scene->mMaterials != nullptr && mesh->mMaterialIndex < scene->mNumMaterials &&
            scene->mMaterials[mesh->mMaterialIndex] != nullptr) {
            const aiMaterial& material = *scene->mMaterials[mesh->mMaterialIndex];
            for (const TextureKind& kind : textureKinds) {
                std::vector<MeshTexture> loaded = textureCache_.loadMaterialTextures(material, kind.assimpType, kind.typeName);
                textures.insert(textures.end(), loaded.begin(), loaded.end());
            }
        }
        meshes_.emplace_back(convertMeshGeometry(*mesh), std::move(textures));
    }
    // The importer releases the scene when it goes out of scope.
}

void ImportedModel::draw() const
{
    for (const ImportedMesh& mesh : meshes_) {
        mesh.draw();
    }
}

} // namespace tavernrush
