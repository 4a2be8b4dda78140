#pragma once
// The programs, pictures, materials and generated shapes of the level, built
// once at start-up in a fixed order and kept for the whole run.

#include "app/Settings.h"
#include "scene/CounterSpheres.h"
#include "scene/PictureBoards.h"
#include "render/Geometry.h"
#include "render/Material.h"
#include "render/Shader.h"
#include "render/Texture.h"

namespace tavernrush {

struct LevelShaders {
    ShaderPtr phong;
    ShaderPtr sky;
    ShaderPtr normalMapping;
    ShaderPtr glow;
    ShaderPtr quadDepth; // built and kept; no pass draws with it
    ShaderPtr shadowDepth;
    ShaderPtr shadow;
};
LevelShaders buildLevelShaders();

struct LevelTextures {
    TexturePtr metal;
    TexturePtr unicorn;
    TexturePtr plainWall; // loaded, never bound
    TexturePtr grass;
    TexturePtr groundNormal; // loaded, never bound
    TexturePtr ground;       // loaded, never bound
    TexturePtr bricksNormal;
    TexturePtr bricks;
    TexturePtr coin; // loaded, never bound
    TexturePtr coinGlow;
    TexturePtr bag;
    TexturePtr toilet;
};
LevelTextures loadLevelTextures();

struct LevelMaterials {
    MaterialPtr skyRoom;
    MaterialPtr ground;
    MaterialPtr titleBoard;
    MaterialPtr cloudDome;
    MaterialPtr animation;
    MaterialPtr won;
    MaterialPtr timeUp;
    MaterialPtr drunk;
    MaterialPtr unicornPicture;
    MaterialPtr toiletPicture;
    MaterialPtr earth;
    MaterialPtr coinCounter;
    MaterialPtr beerCounter;
};
LevelMaterials createLevelMaterials(const LevelShaders& shaders, float brightness);

// The generated shapes. Some are built but never drawn: the sky room still
// lends its matrices to the lit program every frame.
struct LevelGeometry {
    LevelGeometry(const LevelMaterials& materials, const Settings& settings);

    Geometry skyRoom;
    Geometry ground;
    Geometry titleBoard; // never drawn
    Geometry cloudDome;  // never drawn
    PictureBoards boards;
    Geometry windowPlane; // never drawn
    CounterSpheres spheres;
};

} // namespace tavernrush
