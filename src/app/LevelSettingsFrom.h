#pragma once
// What the level's GL objects are built from, out of the settings and the
// level's file.

#include "app/Settings.h"
#include "game/LevelDescription.h"
#include "scene/LevelSettings.h"

namespace tavernrush {

// The asset table's paths with the level's own ground picture and sky.
AssetPaths levelPaths(const LevelDescription& level);

LevelSettings levelSettingsFrom(const Settings& settings, const LevelDescription& level);

} // namespace tavernrush
