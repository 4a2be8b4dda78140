#include "model/ModelImport.h"

#include "model/MaterialLibraryGuard.h"
#include "model/NodeWalk.h"

#include <assimp/DefaultIOSystem.h>
#include <assimp/DefaultLogger.hpp>
#include <assimp/IOSystem.hpp>
#include <assimp/Logger.hpp>
#include <assimp/MemoryIOWrapper.h>

#include <algorithm>
#include <cctype>
#include <limits>
#include <string_view>

namespace tavernrush {
namespace {

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
    explicit ScopedReadErrors(std::vector<std::string>& sink)
    {
        if (Assimp::DefaultLogger::isNullLogger()) {
            Assimp::DefaultLogger::set(new ReadErrors(sink));
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

private:
    bool installed_ = false;
};

bool isObjFile(const std::string& path)
{
    constexpr std::string_view extension = ".obj";
    return path.size() >= extension.size() &&
           std::equal(extension.rbegin(), extension.rend(), path.rbegin(), [](char a, char b) {
               return a == std::tolower(static_cast<unsigned char>(b));
           });
}

bool sceneIsUsable(const aiScene* scene)
{
    return scene != nullptr && (scene->mFlags & AI_SCENE_FLAGS_INCOMPLETE) == 0 && scene->mRootNode != nullptr;
}

} // namespace

ModelImport::ModelImport() : importer_(std::make_unique<Assimp::Importer>()) {}

ModelImport ModelImport::readFile(const std::string& path)
{
    ModelImport model;
    if (isObjFile(path)) {
        model.importer_->SetIOHandler(new MaterialLibraryGuard(std::make_unique<Assimp::DefaultIOSystem>(), path));
    }
    const aiScene* scene = nullptr;
    {
        const ScopedReadErrors logger(model.readErrors_);
        scene = model.importer_->ReadFile(path, 0);
    }
    model.finishReading(scene);
    return model;
}

ModelImport ModelImport::readMemory(std::span<const std::uint8_t> bytes, const char* formatHint,
                                    std::unique_ptr<Assimp::IOSystem> otherFiles)
{
    ModelImport model;
    if (!otherFiles) {
        otherFiles = std::make_unique<Assimp::DefaultIOSystem>();
    }
    // The model itself never reaches the guard: Assimp serves it from memory.
    model.importer_->SetIOHandler(new MaterialLibraryGuard(std::move(otherFiles), AI_MEMORYIO_MAGIC_FILENAME));
    const aiScene* scene = nullptr;
    // Assimp takes the length as a 32-bit count (and refuses an empty buffer).
    if (!bytes.empty() && bytes.size() <= std::numeric_limits<std::uint32_t>::max()) {
        const ScopedReadErrors logger(model.readErrors_);
        scene = model.importer_->ReadFileFromMemory(bytes.data(), bytes.size(), 0, formatHint);
    }
    model.finishReading(scene);
    return model;
}

// Reading and post-processing run as two steps so that only the errors of
// reading count as damage: the tangent step complains about every mesh
// without normals or texture coordinates, which the conversion fills in on
// purpose.
void ModelImport::finishReading(const aiScene* scene)
{
    if (sceneIsUsable(scene)) {
        scene = importer_->ApplyPostProcessing(modelImportFlags);
    }
    if (!sceneIsUsable(scene)) {
        failure_ = importer_->GetErrorString();
        if (failure_.empty()) {
            failure_ = "the file holds no scene";
        }
        return;
    }
    scene_ = scene;
    const unsigned meshCount = scene->mMeshes != nullptr ? scene->mNumMeshes : 0;
    for (const unsigned meshIndex : meshIndicesInWalkOrder(*scene->mRootNode, meshCount)) {
        if (const aiMesh* mesh = scene->mMeshes[meshIndex]) {
            meshes_.push_back(mesh);
        }
    }
}

const aiMaterial* ModelImport::materialOf(const aiMesh& mesh) const
{
    if (scene_ == nullptr || scene_->mMaterials == nullptr || mesh.mMaterialIndex >= scene_->mNumMaterials) {
        return nullptr;
    }
    return scene_->mMaterials[mesh.mMaterialIndex];
}

} // namespace tavernrush
