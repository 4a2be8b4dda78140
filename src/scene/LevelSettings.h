#pragma once
// What the level's GL objects are built from: the window's size (the
// full-screen passes and the window plane match it), the brightness of the
// pictures, the level file's sizes, and the files that replace the asset
// table's defaults (the level's ground picture and sky).

#include "game/AssetPaths.h"
#include "passes/GraphicsSettings.h"

namespace tavernrush {

struct LevelSettings {
    int width = 800;
    int height = 800;
    // Ambient factor given to the sky, picture and counter materials.
    float brightness = 1.0f;
    // From the level's file: the ground plane's side and how high the
    // counter spheres circle.
    float groundSize = 0.0f;
    float counterOrbitHeight = 0.0f;
    AssetPaths paths;
    // The scene targets' scale, the glow and the shadow map's size.
    GraphicsSettings graphics;
};

} // namespace tavernrush
