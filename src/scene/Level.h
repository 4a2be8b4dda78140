#pragma once
// Every GL object of the level, built at start-up in one fixed order and
// released together while the context still exists: models, programs,
// pictures, materials, shapes, pass targets, the fields' drawers, the sky
// and the lettering. The files come from the asset table's rows of each
// part (game/AssetTable.h), in table order, with the paths the settings
// replace.

#include "passes/Bloom.h"
#include "passes/ShadowMap.h"
#include "render/Lights.h"
#include "render/Skybox.h"
#include "scene/FieldDrawers.h"
#include "scene/Hud.h"
#include "scene/LevelResources.h"
#include "scene/LevelSettings.h"

namespace tavernrush {

class Level {
public:
    explicit Level(const LevelSettings& settings);
    ~Level();
    Level(const Level&) = delete;
    Level& operator=(const Level&) = delete;

    // Members are built in declaration order, which is the creation order of
    // the GL objects and the order of the table's LevelPart.
    LevelModels models;
    SceneLights lights;
    LevelShaders shaders;
    LevelTextures textures;
    LevelMaterials materials;
    LevelGeometry geometry;
    Bloom bloom;
    ShadowMap shadowMap;
    CoinFieldDrawer coinDrawer;
    BeerFieldDrawer beerDrawer;
    Skybox skybox;
    // Last, so everything before it is created as it always was.
    Hud hud;
};

} // namespace tavernrush
