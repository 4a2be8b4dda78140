#include "app/LevelSettingsFrom.h"

namespace tavernrush {

AssetPaths levelPaths(const LevelDescription& level)
{
    AssetPaths paths;
    paths.replace(AssetId::WoodGround, level.groundPicture);
    paths.replace(AssetId::SkyCubeMap, level.skyFaces);
    paths.replace(AssetId::WonBoard, level.winPicture);
    return paths;
}

LevelSettings levelSettingsFrom(const Settings& settings, const LevelDescription& level)
{
    return LevelSettings{settings.width, settings.height, settings.brightness, level.groundSize,
                         level.counterOrbitHeight, levelPaths(level), settings.graphics};
}

} // namespace tavernrush
