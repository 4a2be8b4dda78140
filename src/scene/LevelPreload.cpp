#include "scene/LevelPreload.h"

#include "game/AssetTable.h"
#include "model/ImportedModel.h"
#include "model/MeshTextureLoader.h"
#include "model/ModelImport.h"
#include "model/TextureKinds.h"
#include "render/AssetPath.h"
#include "render/DdsHeader.h"
#include "render/DecodedAhead.h"
#include "render/DecodedPicture.h"
#include "render/Texture.h"

#include <algorithm>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace tavernrush {
namespace {

// The pictures a model's meshes name, once each, as its texture cache loads them.
std::vector<std::string> materialPictures(const ModelImport& model)
{
    std::vector<std::string> paths;
    for (const aiMesh* mesh : model.meshes()) {
        const aiMaterial* material = model.materialOf(*mesh);
        if (material == nullptr) {
            continue;
        }
        for (const TextureKind& kind : textureKinds) {
            const unsigned count = aiGetMaterialTextureCount(material, kind.assimpType);
            for (unsigned i = 0; i < count; ++i) {
                aiString path;
                if (aiGetMaterialTexture(material, kind.assimpType, i, &path) == aiReturn_SUCCESS &&
                    std::find(paths.begin(), paths.end(), path.C_Str()) == paths.end()) {
                    paths.emplace_back(path.C_Str());
                }
            }
        }
    }
    return paths;
}

template <typename T>
std::shared_ptr<std::promise<T>> offered(const std::string& key)
{
    auto promise = std::make_shared<std::promise<T>>();
    DecodedAhead<T>::offer(key, promise->get_future());
    return promise;
}

template <typename T, typename Make>
void fulfil(std::promise<T>& promise, Make make)
{
    try {
        promise.set_value(make());
    } catch (...) {
        promise.set_exception(std::current_exception());
    }
}

// One model: imported, offered, then its material pictures decoded. The
// pictures are offered before the model is handed over, so the level finds
// them when it loads the model's textures.
void importModel(const std::string& path, std::promise<ModelImport>& promise)
{
    std::optional<ModelImport> model;
    try {
        model.emplace(ModelImport::readFile(path));
    } catch (...) {
        promise.set_exception(std::current_exception());
        return;
    }
    const std::string directory = modelDirectory(path);
    std::vector<std::pair<std::string, std::shared_ptr<std::promise<DecodedMaterialImage>>>> pictures;
    for (const std::string& picture : materialPictures(*model)) {
        const std::string filename = directory + "/" + picture;
        pictures.emplace_back(filename, offered<DecodedMaterialImage>(filename));
    }
    promise.set_value(std::move(*model));
    for (auto& [filename, picture] : pictures) {
        fulfil(*picture, [&] { return decodeMaterialPicture(filename, static_cast<int>(largestPictureSide)); });
    }
}

struct Work {
    std::vector<std::function<void()>> jobs;
    std::atomic<bool> stop{false};
};

void runJobs(Work& work)
{
    markStartupWorkerThread();
    for (std::size_t job = 0; job < work.jobs.size() && !work.stop; ++job) {
        try {
            work.jobs[job]();
        } catch (...) {
            // The promise holds the exception; the level meets it where it
            // would have met it decoding the file itself.
        }
    }
}

// The rows the level makes at start-up, in the order it makes them; a
// picture it makes several textures of is decoded once for each.
std::shared_ptr<Work> planWork(const AssetPaths& paths)
{
    auto work = std::make_shared<Work>();
    auto addPicture = [&](const std::string& path, bool flip, bool mips) {
        auto promise = offered<DecodedPicture>(decodedPictureKey(path, flip, mips));
        work->jobs.emplace_back([=] { fulfil(*promise, [&] { return decodePicture(path, flip, mips); }); });
    };
    for (const AssetRow& row : asset::table()) {
        if (row.part == LevelPart::None) {
            continue;
        }
        const std::string path = assetPath(paths.pathOf(row.id));
        switch (row.kind) {
        case AssetKind::Model: {
            auto promise = offered<ModelImport>(path);
            work->jobs.emplace_back([path, promise] { importModel(path, *promise); });
            break;
        }
        case AssetKind::Texture:
        case AssetKind::Picture:
            for (int copy = 0; copy < row.madeAtStartup; ++copy) {
                addPicture(path, false, true);
            }
            break;
        case AssetKind::CubeMap:
            for (const char* face : asset::cubeFaceFiles) {
                addPicture(path + "/" + face, true, false);
            }
            break;
        case AssetKind::Program:
        case AssetKind::Sound: break; // read by the driver and the sound system
        }
    }
    return work;
}

} // namespace

LevelPreload::LevelPreload(const AssetPaths& paths)
{
    std::shared_ptr<Work> work = planWork(paths);
    // One worker: it finishes well before the level needs its files, and on
    // two cores a second one only slows the GL thread opening the window
    // (measured: 130 ms against 170 to 195 ms).
    workers_.emplace_back([work](std::stop_token stopping) {
        std::stop_callback stopAsked(stopping, [&] { work->stop = true; });
        runJobs(*work);
    });
}

void LevelPreload::finish()
{
    for (std::jthread& worker : workers_) {
        worker.request_stop();
    }
    workers_.clear(); // joins
    DecodedAhead<ModelImport>::forgetAll();
    DecodedAhead<DecodedPicture>::forgetAll();
    DecodedAhead<DecodedMaterialImage>::forgetAll();
}

} // namespace tavernrush
