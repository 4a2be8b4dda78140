#include "scene/Level.h"

#include "game/AssetTable.h"

namespace tavernrush {

namespace {

CubeMap cubeMapIn(const std::string& folder)
{
    const auto& faces = asset::cubeFaceFiles;
    return CubeMap(folder + "/", faces[0], faces[1], faces[2], faces[3], faces[4], faces[5]);
}

} // namespace

Level::Level(const LevelSettings& settings)
    : models(importLevelModels(settings.paths)),
      lights(makeSceneLights()),
      shaders(buildLevelShaders(settings.paths)),
      textures(loadLevelTextures(settings.paths)),
      materials(createLevelMaterials(shaders, settings)),
      geometry(materials, settings),
      bloom(settings.width, settings.height, settings.graphics),
      shadowMap(settings.graphics.shadowSize),
      coinDrawer(shaders[AssetId::GlowProgram], settings.paths),
      beerDrawer(shaders[AssetId::PhongProgram], settings.paths),
      skybox(cubeMapIn(settings.paths.pathOf(AssetId::SkyCubeMap))),
      hud(settings.paths)
{
    glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    glEnable(GL_DEPTH_TEST);
}

// The programs go with the level; none may stay current after them.
Level::~Level() { glUseProgram(0); }

} // namespace tavernrush
