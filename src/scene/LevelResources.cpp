#include "scene/LevelResources.h"
#include "render/Shapes.h"

#include "game/AssetTable.h"
#include "game/SurfaceBrightness.h"

#include <glm/gtc/matrix_transform.hpp>

namespace tavernrush {
namespace {

using enum AssetId;

constexpr glm::vec3 red{1.0f, 0.0f, 0.0f};
constexpr float boardShininess = 2.0f;

glm::mat4 translation(float x, float y, float z) { return glm::translate(glm::mat4(1.0f), glm::vec3(x, y, z)); }

glm::mat4 upright() { return glm::rotate(glm::mat4(1.0f), 1.5707964f, glm::vec3(-1.0f, 0.0f, 0.0f)); }

// The ground and the board have an ambient factor of their own.
bool takesBrightness(AssetId id) { return id != WoodGround && id != TitleBoard && id != Frame01; }

MaterialPtr makeLevelMaterial(AssetId id, const std::string& path, const LevelShaders& shaders, float brightness)
{
    const ShaderPtr& phong = shaders[PhongProgram];
    const glm::vec3 picture{brightness, 0.7f, 0.1f};
    const glm::vec3 board{boardAmbientAtStart, 0.7f, 0.1f};
    switch (id) {
    case SkyRoom: return makeMaterial(phong, glm::vec3(0.0f), {brightness, 0.0f, 0.0f}, 1.0f, path);
    case WoodGround: return makeMaterial(phong, red, {groundAmbientAtStart, 0.7f, 0.1f}, boardShininess, path);
    case TitleBoard:
    case Frame01: return makeMaterial(phong, red, board, boardShininess, path);
    case CloudDome: return makeMaterial(shaders[SkyProgram], red, picture, boardShininess, path);
    default: return makeMaterial(phong, red, picture, boardShininess, path);
    }
}

} // namespace

LevelModels importLevelModels(const AssetPaths& paths)
{
    LevelModels models;
    for (const AssetRow& row : asset::partRows(LevelPart::Models)) {
        models.add(row.id, ImportedModel(paths.pathOf(row.id)));
    }
    return models;
}

LevelShaders buildLevelShaders(const AssetPaths& paths)
{
    LevelShaders shaders;
    for (const AssetRow& row : asset::partRows(LevelPart::Programs)) {
        shaders.add(row.id, makeShader(paths.pathOf(row.id), row.geometryStage));
    }
    return shaders;
}

LevelTextures loadLevelTextures(const AssetPaths& paths)
{
    LevelTextures textures;
    for (const AssetRow& row : asset::partRows(LevelPart::Textures)) {
        textures.add(row.id, makeTexture(paths.pathOf(row.id)));
    }
    return textures;
}

LevelMaterials createLevelMaterials(const LevelShaders& shaders, const LevelSettings& settings)
{
    LevelMaterials materials;
    for (const AssetRow& row : asset::partRows(LevelPart::Materials)) {
        materials.add(row.id, makeLevelMaterial(row.id, settings.paths.pathOf(row.id), shaders, settings.brightness));
    }
    return materials;
}

void setPictureBrightness(LevelMaterials& materials, float brightness)
{
    for (const AssetRow& row : asset::partRows(LevelPart::Materials)) {
        if (takesBrightness(row.id)) {
            materials[row.id]->materialCoefficients.x = brightness;
        }
    }
}

LevelGeometry::LevelGeometry(const LevelMaterials& materials, const LevelSettings& settings)
    : skyRoom(translation(0, 40, 0), createInsideOutBox(90, 90, 90), materials[SkyRoom]),
      ground(glm::mat4(1.0f), createPlane(settings.groundSize, settings.groundSize), materials[WoodGround]),
      titleBoard(translation(0, 0, 20), createBox(1, 1, 1), materials[TitleBoard]),
      cloudDome(glm::mat4(1.0f), createSphere(20, 30, 20), materials[CloudDome]),
      boards(materials[Frame01], materials[WonBoard], materials[TimeUpBoard], materials[DrunkBoard],
             materials[UnicornBoard], materials[ToiletBoard]),
      windowPlane(upright(), createPlane(static_cast<float>(settings.width), static_cast<float>(settings.height)),
                  materials[UnicornBoard]),
      spheres(materials[Earth], materials[BeerDigit0], materials[CoinDigit0], settings.counterOrbitHeight)
{
}

} // namespace tavernrush
