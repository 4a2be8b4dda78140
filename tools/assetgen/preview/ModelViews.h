#pragma once
// Renders of the generated models drawn by the game's own GL code: imported
// by ImportedModel, lit by the game's lit program and lights, with the
// picture the game binds under each model, on a patch of the level's grass
// for scale. Needs a current GL context and the shaders under ./assets.

#include "Image.h"

#include <glm/glm.hpp>

#include <string>
#include <vector>

namespace tavernrush::assetgen {

struct ModelPreview {
    std::string path;         // "assets/meshes/<name>.obj", the asset table's
    std::string boundPicture; // "assets/..." the game binds to unit 0; empty for none
    glm::vec3 front{0.0f, 0.0f, -1.0f}; // the side the model shows the player
    float groundY = 0.0f;     // model-space height of the level's ground
};

// Every model row of the asset table, in table order.
std::vector<ModelPreview> gameModels();

// Four views of one model.
Image modelSheet(const ModelPreview& model);
// One three-quarter view of every model.
Image allModelsSheet();

} // namespace tavernrush::assetgen
