#pragma once
// The generator's recipes under the names the asset table's rows give them
// (game/AssetTable.h). A recipe writes the files of every row that names it;
// a model's recipe also writes its material file and the pictures only that
// file names, which no row lists.

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace tavernrush::assetgen {

struct Recipe {
    std::string name;
    // Takes the assets directory and the files below it of the rows naming
    // the recipe, in table order.
    std::function<void(const std::filesystem::path&, const std::vector<std::string>&)> write;
    std::vector<std::string> otherFiles; // below assets/, beside the rows' files
    // One run per file, so that the workers share a slow recipe's files.
    bool eachFileAlone = false;
};

// The slowest first, so that the workers finish together.
const std::vector<Recipe>& recipes();

} // namespace tavernrush::assetgen
