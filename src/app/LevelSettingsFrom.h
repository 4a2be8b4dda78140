#pragma once
// The part of the settings the level is built from.

#include "app/Settings.h"
#include "scene/LevelSettings.h"

namespace tavernrush {

inline LevelSettings levelSettingsFrom(const Settings& settings)
{
    return LevelSettings{settings.width, settings.height, settings.brightness, {}};
}

} // namespace tavernrush
