#include "game/AssetPaths.h"

#include "game/AssetTable.h"

#include <algorithm>

namespace tavernrush {

void AssetPaths::replace(AssetId id, std::string path)
{
    const auto found = std::find_if(replaced_.begin(), replaced_.end(), [id](const auto& each) { return each.first == id; });
    if (found != replaced_.end()) {
        found->second = std::move(path);
    } else {
        replaced_.emplace_back(id, std::move(path));
    }
}

std::string AssetPaths::pathOf(AssetId id) const
{
    const auto found = std::find_if(replaced_.begin(), replaced_.end(), [id](const auto& each) { return each.first == id; });
    return found != replaced_.end() ? found->second : std::string(asset::row(id).path);
}

} // namespace tavernrush
