#pragma once
// What the level needs of the settings: the window's size (the full-screen
// passes and the window plane match it), the brightness of the pictures, and
// any files that replace the asset table's defaults.

#include "game/AssetPaths.h"

namespace tavernrush {

struct LevelSettings {
    int width = 800;
    int height = 800;
    // Ambient factor given to the sky, picture and counter materials.
    float brightness = 1.0f;
    AssetPaths paths;
};

} // namespace tavernrush
