// Two generations of the whole tree write byte-identical files.
#include "AssetCatalog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include <unistd.h>

namespace tavernrush::assetgen {
namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::set<std::string> filesBelow(const fs::path& root)
{
    std::set<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_regular_file()) {
            files.insert(fs::relative(entry.path(), root).generic_string());
        }
    }
    return files;
}

TEST(Determinism, TwoGenerationsWriteTheSameBytes)
{
    const fs::path base = fs::temp_directory_path() / ("tavernrush-determinism-" + std::to_string(::getpid()));
    fs::remove_all(base);
    // One run on two workers, one on a single worker: the order of the
    // entries must not matter either.
    generateAll(base / "first", 2);
    generateAll(base / "second", 1);

    const std::set<std::string> first = filesBelow(base / "first");
    EXPECT_EQ(first, filesBelow(base / "second"));
    std::size_t catalogued = 0;
    for (const AssetEntry& entry : assetCatalog()) {
        for (const std::string& file : entry.files) {
            EXPECT_EQ(first.count(file), 1u) << file << " is listed but was not written";
            ++catalogued;
        }
    }
    EXPECT_EQ(first.size(), catalogued) << "every written file is listed in the catalogue";
    for (const std::string& file : first) {
        EXPECT_EQ(contents(base / "first" / file), contents(base / "second" / file)) << file;
    }
    fs::remove_all(base);
}

} // namespace
} // namespace tavernrush::assetgen
