#pragma once
// Every GL object of the level, built at start-up in one fixed order and
// released together while the context still exists: models, programs,
// pictures, materials, shapes, pass targets, the fields' drawers, the sky
// and the lettering.

#include "app/Settings.h"
#include "passes/Bloom.h"
#include "passes/ShadowMap.h"
#include "render/Lights.h"
#include "render/Skybox.h"
#include "scene/FieldDrawers.h"
#include "scene/Hud.h"
#include "scene/LevelModels.h"
#include "scene/LevelResources.h"

namespace tavernrush {

class Level {
public:
    explicit Level(const Settings& settings);
    ~Level();
    Level(const Level&) = delete;
    Level& operator=(const Level&) = delete;

    // Members are built in declaration order, which is the creation order of
    // the GL objects.
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
