#pragma once
// Renders of the generated models with the pictures the game gives them.

#include "Image.h"
#include "readback/GameDecoders.h"
#include "preview/Rasterizer.h"

#include <limits>

#include <filesystem>
#include <string>
#include <vector>

namespace tavernrush::assetgen {

struct ModelPreview {
    std::string name;         // file stem under assets/meshes/
    std::string boundPicture; // picture the game binds to unit 0, below assets/
    glm::vec3 front{0.0f, 0.0f, -1.0f}; // the side the model shows the player
    float groundY = 0.0f;     // model-space height of the level's ground
};

const std::vector<ModelPreview>& gameModels();
const ModelPreview& gameModel(const std::string& name);

// A model read back as the game reads it, with the picture each part shows.
struct LoadedModel {
    ImportedScene scene;
    std::vector<Image> partPictures;
    std::vector<TextureKind> partKinds;
    glm::vec3 min{std::numeric_limits<float>::max()};
    glm::vec3 max{std::numeric_limits<float>::lowest()};
};
LoadedModel loadModel(const std::filesystem::path& assets, const ModelPreview& model);
// Draws the model placed by the matrix, as the game would with no node transforms.
void drawModel(Rasterizer& raster, const LoadedModel& model, const glm::mat4& placement);

// Four views of one model over a one-unit ground grid.
Image modelSheet(const std::filesystem::path& assets, const ModelPreview& model);
// One three-quarter view of every model.
Image allModelsSheet(const std::filesystem::path& assets);

} // namespace tavernrush::assetgen
