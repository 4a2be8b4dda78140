#include "app/LevelChoice.h"

#include "game/LevelFile.h"
#include "render/AssetPath.h"

#include <algorithm>
#include <vector>

namespace tavernrush {

std::variant<LevelDescription, LevelRefusal> chooseLevel(const std::optional<std::string>& name,
                                                         const std::string& program, std::ostream& out)
{
    const std::string folder = assetPath(levelFolder);
    const std::string chosen = name.value_or(defaultLevelName);
    const std::vector<std::string> known = levelNames(folder);
    if (name && std::find(known.begin(), known.end(), chosen) == known.end()) {
        out << program << ": unknown level \"" << chosen << "\"; the levels are:";
        for (const std::string& level : known) {
            out << ' ' << level;
        }
        out << std::endl;
        return LevelRefusal{2};
    }
    LevelParse parse = loadLevel(folder, chosen);
    if (const auto* error = std::get_if<LevelFileError>(&parse)) {
        out << "ERROR: " << error->message << std::endl;
        return LevelRefusal{1};
    }
    return std::get<LevelDescription>(std::move(parse));
}

} // namespace tavernrush
