#include "model/ModelImport.h"

#include "model/MaterialLibraryGuard.h"
#include "model/NodeWalk.h"
#include "render/StartupSteps.h"

#include <assimp/DefaultIOSystem.h>
#include <assimp/DefaultLogger.hpp>
#include <assimp/IOStream.hpp>
#include <assimp/IOSystem.hpp>
#include <assimp/Logger.hpp>
#include <assimp/MemoryIOWrapper.h>

#include <algorithm>
#include <cctype>
#include <limits>
#include <mutex>
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

// Assimp's logger is one for the whole process: while one file is read
// (post-processing included, which logs too), no other may be.
std::mutex& importLock()
{
    static std::mutex lock;
    return lock;
}

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

// A model held in memory, served under `name` like a file, so that reading
// it takes the same way as reading from disk; every other file comes from
// `files`. (Assimp's own ReadFileFromMemory answers for any name that starts
// like its placeholder name, the OBJ reader's guess at a material library
// included, and would hand the model over as its own library.)
class ModelInMemory final : public Assimp::IOSystem {
public:
    ModelInMemory(std::span<const std::uint8_t> bytes, std::string name, std::unique_ptr<Assimp::IOSystem> files)
        : bytes_(bytes)
        , name_(std::move(name))
        , files_(std::move(files))
    {
    }

    bool Exists(const char* file) const override { return name_ == file || files_->Exists(file); }
    char getOsSeparator() const override { return files_->getOsSeparator(); }
    Assimp::IOStream* Open(const char* file, const char* mode) override
    {
        if (name_ != file) {
            return files_->Open(file, mode);
        }
        auto stream = std::make_unique<Assimp::MemoryIOStream>(bytes_.data(), bytes_.size(), false);
        opened_.push_back(stream.get());
        return stream.release();
    }
    void Close(Assimp::IOStream* stream) override
    {
        const auto ours = std::find(opened_.begin(), opened_.end(), stream);
        if (ours == opened_.end()) {
            files_->Close(stream);
            return;
        }
        opened_.erase(ours);
        delete stream;
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::string name_;
    std::unique_ptr<Assimp::IOSystem> files_;
    std::vector<Assimp::IOStream*> opened_;
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
    const std::lock_guard<std::mutex> oneAtATime(importLock());
    const StartupStepTimer timer("import OBJ");
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
    const std::lock_guard<std::mutex> oneAtATime(importLock());
    ModelImport model;
    if (!otherFiles) {
        otherFiles = std::make_unique<Assimp::DefaultIOSystem>();
    }
    const std::string name = std::string("model-in-memory.") + formatHint;
    std::unique_ptr<Assimp::IOSystem> files = std::make_unique<ModelInMemory>(bytes, name, std::move(otherFiles));
    if (isObjFile(name)) {
        files = std::make_unique<MaterialLibraryGuard>(std::move(files), name);
    }
    model.importer_->SetIOHandler(files.release());
    const aiScene* scene = nullptr;
    // Assimp refuses an empty file on its own; it counts sizes in 32 bits.
    if (bytes.size() <= std::numeric_limits<std::uint32_t>::max()) {
        const ScopedReadErrors logger(model.readErrors_);
        scene = model.importer_->ReadFile(name, 0);
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
