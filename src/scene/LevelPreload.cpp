#include "scene/LevelPreload.h"

#include "game/LevelFiles.h"
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

// Pictures the level makes textures of, in the order it makes them.
const char* const levelPictures[] = {
    // LevelTextures
    files::metal, files::unicornSkin, files::plainWall, files::grass, files::groundNormal, files::ground,
    files::bricksNormal, files::bricks, files::coin, files::coinGlow, files::bag, files::toilet,
    // LevelMaterials
    files::skyRoom, files::woodGround, files::titleBoard, files::cloudDome, files::firstAnimationFrame,
    files::wonBoard, files::timeUpBoard, files::drunkBoard, files::unicornBoard, files::toiletBoard, files::earth,
    files::coinDigitZero, files::beerDigitZero,
    // The coin and beer fields' drawers
    files::coin, files::coinBlur, files::coin, files::beerLabel,
    // The lettering
    files::hudAtlas, files::pausedBoard};

// In the order LevelModels imports them.
const char* const levelModels[] = {files::figureModel,  files::plainWallModel, files::unicornModel,
                                   files::ladderModel,  files::terrainModel,   files::brickWallModel,
                                   files::bagModel,     files::toiletHutModel};

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

std::shared_ptr<Work> planWork()
{
    auto work = std::make_shared<Work>();
    for (const char* name : levelModels) {
        const std::string path = assetPath(name);
        auto promise = offered<ModelImport>(path);
        work->jobs.emplace_back([path, promise] { importModel(path, *promise); });
    }
    auto addPicture = [&](const std::string& path, bool flip, bool mips) {
        auto promise = offered<DecodedPicture>(decodedPictureKey(path, flip, mips));
        work->jobs.emplace_back([=] { fulfil(*promise, [&] { return decodePicture(path, flip, mips); }); });
    };
    for (const char* name : levelPictures) {
        addPicture(assetPath(name), false, true);
    }
    for (const char* face : files::skyFaces) {
        addPicture(assetPath(std::string(files::skyFaceFolder) + face), true, false);
    }
    return work;
}

} // namespace

LevelPreload::LevelPreload()
{
    std::shared_ptr<Work> work = planWork();
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
