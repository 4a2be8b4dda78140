// Model renders: import as the game does, texture as the game does (a mesh
// image replaces the bound picture), shade with a fixed sun.
#include "preview/ModelViews.h"

#include "Colour.h"
#include "preview/ContactSheet.h"
#include "readback/GameDecoders.h"
#include "preview/Rasterizer.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

namespace tavernrush::assetgen {

const std::vector<ModelPreview>& gameModels()
{
    static const std::vector<ModelPreview> models{
        {"sprinto", "textures/metall.jpg", {0, 0, -1}, 0.0f},
        {"unicorns", "textures/unicornM.jpg", {-1, 0, 0}, 0.0f},
        {"leiter", "textures/gras.dds", {-1, 0, 1}, 0.0f},
        {"wand", "textures/bricks.jpg", {0, 0, 1}, -1.5f},
        {"klo", "textures/klo.jpg", {-1, 0, 1}, -2.0f},
        {"bag", "textures/bagR.jpg", {0, 0, 1}, -1.0f},
        {"wall", "", {0, 0, 1}, 0.0f},
        {"terrain", "", {0, 0, 1}, -3.0f},
    };
    return models;
}

const ModelPreview& gameModel(const std::string& name)
{
    for (const ModelPreview& model : gameModels()) {
        if (model.name == name) {
            return model;
        }
    }
    return gameModels().front();
}

LoadedModel loadModel(const std::filesystem::path& assets, const ModelPreview& preview)
{
    LoadedModel model;
    const std::filesystem::path obj = assets / "meshes" / (preview.name + ".obj");
    model.scene = importLikeTheGame(obj);
    const Image bound = preview.boundPicture.empty() ? Image(1, 1, glm::vec4(0.8f, 0.8f, 0.8f, 1.0f))
                                                     : decodeWithFreeImage(assets / preview.boundPicture);
    for (const ImportedPart& part : model.scene.parts) {
        if (!part.diffuseMaps.empty()) {
            model.partPictures.push_back(decodeWithStbImage(obj.parent_path() / part.diffuseMaps.front()));
            model.partKinds.push_back(TextureKind::MeshImage);
        } else {
            model.partPictures.push_back(bound);
            model.partKinds.push_back(TextureKind::GamePicture);
        }
        for (const ImportedVertex& v : part.vertices) {
            model.min = glm::min(model.min, v.position);
            model.max = glm::max(model.max, v.position);
        }
    }
    return model;
}

void drawModel(Rasterizer& raster, const LoadedModel& model, const glm::mat4& placement)
{
    const glm::mat3 normalMatrix = glm::transpose(glm::inverse(glm::mat3(placement)));
    for (std::size_t p = 0; p < model.scene.parts.size(); ++p) {
        const ImportedPart& part = model.scene.parts[p];
        const Image& picture = model.partPictures[p];
        const TextureKind kind = model.partKinds[p];
        const Sampler sampler = [&](glm::vec2 st) { return sampleTexture(picture, kind, st); };
        auto vertex = [&](unsigned index) {
            const ImportedVertex& v = part.vertices[index];
            return RasterVertex{glm::vec3(placement * glm::vec4(v.position, 1.0f)), normalMatrix * v.normal, v.texCoord};
        };
        for (std::size_t i = 0; i + 2 < part.indices.size(); i += 3) {
            raster.drawTriangle(vertex(part.indices[i]), vertex(part.indices[i + 1]), vertex(part.indices[i + 2]), sampler);
        }
    }
}

namespace {

Image render(const LoadedModel& model, const ModelPreview& preview, const glm::vec3& viewDirection, int size)
{
    const int supersample = 2;
    Rasterizer raster(size * supersample, size * supersample, hexColour(0xdfe9f2));
    const glm::vec3 centre = (model.min + model.max) * 0.5f;
    const float radius = std::max(0.5f, glm::length(model.max - model.min) * 0.5f);
    const glm::vec3 eye = centre + glm::normalize(viewDirection) * radius * 3.2f;
    raster.setCamera(eye, centre, 38.0f);
    raster.setLight(glm::vec3(0.4f, 1.0f, 0.6f) + 0.5f * glm::normalize(viewDirection), 0.4f);

    // A one-unit grid on the level's ground gives the scale.
    const float extent = std::ceil(radius * 1.3f);
    const Sampler grid = [](glm::vec2 st) {
        const glm::vec2 f = glm::fract(st);
        const bool line = f.x < 0.04f || f.y < 0.04f;
        return line ? hexColour(0x8fa08a) : hexColour(0xc7d4c0);
    };
    const glm::vec3 g(std::floor(centre.x), preview.groundY, std::floor(centre.z));
    const RasterVertex corners[4] = {
        {g + glm::vec3(-extent, 0, -extent), {0, 1, 0}, {0, 0}},
        {g + glm::vec3(extent, 0, -extent), {0, 1, 0}, {2 * extent, 0}},
        {g + glm::vec3(extent, 0, extent), {0, 1, 0}, {2 * extent, 2 * extent}},
        {g + glm::vec3(-extent, 0, extent), {0, 1, 0}, {0, 2 * extent}},
    };
    raster.drawTriangle(corners[0], corners[1], corners[2], grid, false);
    raster.drawTriangle(corners[2], corners[3], corners[0], grid, false);

    drawModel(raster, model, glm::mat4(1.0f));
    return downsampled(raster.image(), supersample);
}

glm::vec3 turned(const glm::vec3& front, float degrees, float elevation)
{
    const float a = glm::radians(degrees);
    const glm::vec3 f = glm::normalize(glm::vec3(front.x, 0.0f, front.z));
    const glm::vec3 d(f.x * std::cos(a) - f.z * std::sin(a), 0.0f, f.x * std::sin(a) + f.z * std::cos(a));
    return glm::normalize(d + glm::vec3(0.0f, elevation, 0.0f));
}

} // namespace

Image modelSheet(const std::filesystem::path& assets, const ModelPreview& preview)
{
    const LoadedModel model = loadModel(assets, preview);
    const std::string size = std::to_string(model.max.x - model.min.x).substr(0, 4) + " x "
                             + std::to_string(model.max.y - model.min.y).substr(0, 4) + " x "
                             + std::to_string(model.max.z - model.min.z).substr(0, 4);
    std::vector<SheetItem> views{
        {"front", render(model, preview, turned(preview.front, 0, 0.15f), 400)},
        {"three-quarter, above", render(model, preview, turned(preview.front, 40, 0.6f), 400)},
        {"side", render(model, preview, turned(preview.front, 90, 0.1f), 400)},
        {"back", render(model, preview, turned(preview.front, 180, 0.3f), 400)},
    };
    return contactSheet(preview.name + ".obj  (" + size + ")" + (model.scene.error.empty() ? "" : " ERROR " + model.scene.error),
                        views, 4, 400);
}

Image allModelsSheet(const std::filesystem::path& assets)
{
    std::vector<SheetItem> views;
    for (const ModelPreview& preview : gameModels()) {
        views.push_back({preview.name + ".obj", render(loadModel(assets, preview), preview, turned(preview.front, 35, 0.45f), 300)});
    }
    return contactSheet("Models with the pictures the game binds", views, 4, 300);
}

} // namespace tavernrush::assetgen
