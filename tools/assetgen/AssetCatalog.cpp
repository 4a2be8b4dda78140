// The asset table walked recipe by recipe, and the parallel run over it.
#include "AssetCatalog.h"

#include "Recipes.h"
#include "game/AssetTable.h"

#include <atomic>
#include <chrono>
#include <ostream>
#include <exception>
#include <mutex>
#include <stdexcept>
#include <thread>

namespace tavernrush::assetgen {
namespace {

std::vector<std::string> rowFilesOf(const Recipe& recipe)
{
    std::vector<std::string> files;
    for (const AssetRow& row : asset::table()) {
        if (row.recipe == recipe.name) {
            for (std::string& file : asset::filesOf(row)) {
                files.push_back(std::move(file));
            }
        }
    }
    return files;
}

void checkEveryRowHasARecipe()
{
    for (const AssetRow& row : asset::table()) {
        bool known = row.recipe == handWritten;
        for (const Recipe& recipe : recipes()) {
            known = known || row.recipe == recipe.name;
        }
        if (!known) {
            throw std::runtime_error("no recipe '" + std::string(row.recipe) + "' for " + std::string(row.path));
        }
    }
}

std::vector<AssetEntry> gatherEntries()
{
    checkEveryRowHasARecipe();
    std::vector<AssetEntry> entries;
    for (const Recipe& recipe : recipes()) {
        const std::vector<std::string> files = rowFilesOf(recipe);
        const auto write = recipe.write;
        if (recipe.eachFileAlone) {
            for (const std::string& file : files) {
                entries.push_back({recipe.name + " " + file, {file},
                                   [write, file](const std::filesystem::path& assets) { write(assets, {file}); }});
            }
            continue;
        }
        std::vector<std::string> written = files;
        written.insert(written.end(), recipe.otherFiles.begin(), recipe.otherFiles.end());
        entries.push_back(
            {recipe.name, written, [write, files](const std::filesystem::path& assets) { write(assets, files); }});
    }
    return entries;
}

} // namespace

const std::vector<AssetEntry>& assetCatalog()
{
    static const std::vector<AssetEntry> entries = gatherEntries();
    return entries;
}

void generateAll(const std::filesystem::path& assetsDirectory, unsigned threads, std::ostream* timings)
{
    const std::vector<AssetEntry>& entries = assetCatalog();
    std::atomic<std::size_t> next{0};
    std::mutex failureMutex;
    std::exception_ptr failure;
    auto worker = [&] {
        for (std::size_t i = next++; i < entries.size(); i = next++) {
            try {
                const auto start = std::chrono::steady_clock::now();
                entries[i].write(assetsDirectory);
                if (timings != nullptr) {
                    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
                    const std::lock_guard<std::mutex> lock(failureMutex);
                    *timings << "  " << entries[i].label << ": " << seconds << " s\n";
                }
            } catch (...) {
                const std::lock_guard<std::mutex> lock(failureMutex);
                if (!failure) {
                    failure = std::current_exception();
                }
            }
        }
    };
    std::vector<std::thread> pool;
    for (unsigned t = 1; t < threads; ++t) {
        pool.emplace_back(worker);
    }
    worker();
    for (std::thread& t : pool) {
        t.join();
    }
    if (failure) {
        std::rethrow_exception(failure);
    }
}

} // namespace tavernrush::assetgen
