#pragma once
// The asset table's paths with some of them replaced: a level may bring its
// own ground picture or sky in place of the table's default rows. The level
// and its read-ahead take every path from here, so both read the same file.

#include "game/AssetId.h"

#include <string>
#include <utility>
#include <vector>

namespace tavernrush {

class AssetPaths {
public:
    // `path` names the file as a row would, e.g. "assets/textures/sand.jpg"
    // (a cube map's: its folder). Replacing a row again keeps the last.
    void replace(AssetId id, std::string path);
    // The replacement, else the row's path.
    std::string pathOf(AssetId id) const;

private:
    std::vector<std::pair<AssetId, std::string>> replaced_;
};

} // namespace tavernrush
