#pragma once
// Every file of the asset tree and the code that makes it: the asset table's
// rows, gathered by the recipe they name. Each entry writes one or more
// related files (a picture and its normal map, a model and its images) below
// the assets directory; entries are independent of each other, so they can
// run in any order or in parallel and still give the same bytes.

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace tavernrush::assetgen {

struct AssetEntry {
    std::string label;                                       // for progress lines
    std::vector<std::string> files;                          // paths below assets/ it writes
    std::function<void(const std::filesystem::path&)> write; // takes the assets directory
};

// Throws when a row names a recipe the generator does not know.
const std::vector<AssetEntry>& assetCatalog();

// Runs every entry into `assetsDirectory`, spreading them over `threads`
// workers. Throws the first failure after all workers have stopped. With a
// `timings` stream, one line per entry says how long it took.
void generateAll(const std::filesystem::path& assetsDirectory, unsigned threads, std::ostream* timings = nullptr);

} // namespace tavernrush::assetgen
