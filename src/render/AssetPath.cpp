#include "render/AssetPath.h"

namespace tavernrush {
namespace {

std::string& folderSetting()
{
    static std::string folder(defaultAssetFolder);
    return folder;
}

} // namespace

void setAssetFolder(std::string folder)
{
    while (folder.size() > 1 && folder.back() == '/') {
        folder.pop_back();
    }
    folderSetting() = std::move(folder);
}

const std::string& assetFolder() { return folderSetting(); }

std::string assetPath(std::string_view path)
{
    const std::string& folder = folderSetting();
    const bool underDefault = path.size() > defaultAssetFolder.size() && path.starts_with(defaultAssetFolder) &&
                              path[defaultAssetFolder.size()] == '/';
    if (!underDefault || folder == defaultAssetFolder) {
        return std::string(path);
    }
    std::string mapped = folder;
    if (mapped != "/") {
        mapped += '/';
    }
    mapped += path.substr(defaultAssetFolder.size() + 1);
    return mapped;
}

} // namespace tavernrush
