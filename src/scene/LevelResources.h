#pragma once
// The models, programs, pictures, materials and generated shapes of the
// level, built once at start-up and kept for the whole run. Each part walks
// its rows of the asset table in table order, which is the creation order of
// its GL objects.

#include "game/AssetPaths.h"
#include "model/ImportedModel.h"
#include "render/Geometry.h"
#include "render/Material.h"
#include "render/Shader.h"
#include "render/Texture.h"
#include "scene/ById.h"
#include "scene/CounterSpheres.h"
#include "scene/LevelSettings.h"
#include "scene/PictureBoards.h"

namespace tavernrush {

// Each failure prints its own line and leaves an empty model.
using LevelModels = ById<ImportedModel>;
LevelModels importLevelModels(const AssetPaths& paths);

using LevelShaders = ById<ShaderPtr>;
LevelShaders buildLevelShaders(const AssetPaths& paths);

using LevelTextures = ById<TexturePtr>;
LevelTextures loadLevelTextures(const AssetPaths& paths);

// One material per picture row of the level's materials; the sky room, the
// ground, the title board, the cloud dome and the animation board have looks
// of their own, every other picture the boards' look.
using LevelMaterials = ById<MaterialPtr>;
LevelMaterials createLevelMaterials(const LevelShaders& shaders, const LevelSettings& settings);
// The brightness setting changed while the level runs: the sky's, the
// pictures' and the spheres' ambient factor (the ground and the board keep
// theirs, which H and D move).
void setPictureBrightness(LevelMaterials& materials, float brightness);

// The generated shapes. Some are built but never drawn: the sky room still
// lends its matrices to the lit program every frame.
struct LevelGeometry {
    LevelGeometry(const LevelMaterials& materials, const LevelSettings& settings);

    Geometry skyRoom;
    Geometry ground;
    Geometry titleBoard; // never drawn
    Geometry cloudDome;  // never drawn
    PictureBoards boards;
    Geometry windowPlane; // never drawn
    CounterSpheres spheres;
};

} // namespace tavernrush
