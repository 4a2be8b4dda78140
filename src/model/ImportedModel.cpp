#include "model/ImportedModel.h"

#include "model/NodeWalk.h"
#include "render/AssetPath.h"

#include <assimp/DefaultLogger.hpp>
#include <assimp/Importer.hpp>
#include <assimp/Logger.hpp>
#include <assimp/postprocess.h>
#include <assimp/scene.h>

#include <algorithm>
#include <cctype>
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

// Assimp works around some damage without failing the import (a material
// file it cannot find, a material the OBJ names but the file lacks) and says
// so only to its logger. While a file is read, its errors are kept here.
class ReadErrors final : public Assimp::Logger {
public:
    explicit ReadErrors(std::vector<std::string>& sink) : sink_(sink) {}
    bool attachStream(Assimp::LogStream*, unsigned int) override { return false; }
    bool detachStream(Assimp::LogStream*, unsigned int) override { return false; }

private:
    void OnDebug(const char*) override {}
    void OnVerboseDebug(const char*) override {}
    void OnInfo(const char*) override {}
    void OnWarn(const char*) override {}
    void OnError(const char* message) override { sink_.emplace_back(message); }

    std::vector<std::string>& sink_;
};

// Installs ReadErrors as Assimp's process-wide logger for one scope, unless
// someone else already logs (then their logger keeps the messages).
class ScopedReadErrors {
public:
    ScopedReadErrors()
    {
        if (Assimp::DefaultLogger::isNullLogger()) {
            Assimp::DefaultLogger::set(new ReadErrors(errors_));
            installed_ = true;
        }
    }
    // Setting no logger deletes ours and puts Assimp's silent one back.
    ~ScopedReadErrors()
    {
        if (installed_) {
            Assimp::DefaultLogger::set(nullptr);
        }
    }
    ScopedReadErrors(const ScopedReadErrors&) = delete;
    ScopedReadErrors& operator=(const ScopedReadErrors&) = delete;

    const std::vector<std::string>& errors() const { return errors_; }

private:
    std::vector<std::string> errors_;
    bool installed_ = false;
};

// The console line for a model problem; it names the file unless the
// importer's own message already does.
void reportImportProblem(std::string message, const std::string& path)
{
    while (!message.empty() && std::isspace(static_cast<unsigned char>(message.back())) != 0) {
        message.pop_back();
    }
    if (message.find(path) == std::string::npos) {
        message += " (in '" + path + "')";
    }
    std::cout << "ERROR::ASSIMP:: " << message << std::endl;
}

bool sceneIsUsable(const aiScene* scene)
{
    return scene != nullptr && (scene->mFlags & AI_SCENE_FLAGS_INCOMPLETE) == 0 && scene->mRootNode != nullptr;
}

} // namespace

std::string modelDirectory(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(0, slash);
}

ImportedModel::ImportedModel(const std::string& name)
    : directory_(modelDirectory(assetPath(name)))
    , textureCache_(directory_)
{
    const std::string path = assetPath(name);
    Assimp::Importer importer;
    // Reading and post-processing run as two steps so that only the errors
    // of reading count as damage: the tangent step complains about every
    // mesh without normals or texture coordinates, which the conversion
    // below fills in on purpose.
    std::vector<std::string> readErrors;
    const aiScene* scene = nullptr;
    {
        const ScopedReadErrors logger;
        scene = importer.ReadFile(path, 0);
        readErrors = logger.errors();
    }
    if (sceneIsUsable(scene)) {
        scene = importer.ApplyPostProcessing(importFlags);
    }
    if (!sceneIsUsable(scene)) {
        reportImportProblem(importer.GetErrorString(), path);
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
    // One line per model: the first reading error says most about the cause.
    // Without one, a model that would draw nothing (a file cut off before
    // its faces, or not an OBJ file at all) is worth a line of its own.
    const bool hasTriangles = std::any_of(meshes_.begin(), meshes_.end(),
                                          [](const ImportedMesh& mesh) { return !mesh.indices().empty(); });
    if (!readErrors.empty()) {
        reportImportProblem(readErrors.front(), path);
    } else if (!hasTriangles) {
        std::cout << "ERROR::ASSIMP:: No triangles found in '" << path << "'" << std::endl;
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
