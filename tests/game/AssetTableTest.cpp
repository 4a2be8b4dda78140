// The asset table must hold every picture the rules can ask for while the
// game runs, each file once, and a replaced path must reach only its row.
#include "game/AssetPaths.h"
#include "game/AssetTable.h"
#include "game/Pictures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace tavernrush {
namespace {

bool listed(const std::string& path)
{
    const auto rows = asset::table();
    return std::any_of(rows.begin(), rows.end(), [&](const AssetRow& row) { return row.path == path; });
}

TEST(AssetTable, EveryPictureTheRulesSwitchToIsARow)
{
    for (int number = 1; number <= 22; ++number) {
        EXPECT_TRUE(listed(animationFramePath(number))) << animationFramePath(number);
    }
    for (int count = 0; count <= 12; ++count) {
        if (const std::optional<std::string> path = coinDigitPath(count)) {
            EXPECT_TRUE(listed(*path)) << *path;
        }
        if (const std::optional<std::string> path = beerDigitPath(count)) {
            EXPECT_TRUE(listed(*path)) << *path;
        }
    }
    EXPECT_TRUE(listed(coinZeroPath()));
    EXPECT_TRUE(listed(beerZeroPath()));
}

TEST(AssetTable, EveryAnimationStepShowsAListedFrame)
{
    float timer = 0.0f;
    int index = 1;
    for (int step = 0; step < 100; ++step) {
        timer += 0.25f;
        if (const std::optional<int> shown = advanceFrameAnimation(timer, index)) {
            EXPECT_TRUE(listed(animationFramePath(*shown))) << *shown;
        }
    }
}

TEST(AssetTable, EachFileOnceBelowTheAssetsFolderWithARecipe)
{
    std::set<std::string> seen;
    for (const AssetRow& row : asset::table()) {
        EXPECT_TRUE(row.path.starts_with("assets/")) << row.path;
        EXPECT_FALSE(row.recipe.empty()) << row.path;
        // Only the programs are written by hand, and only the level's parts
        // make objects at start-up.
        EXPECT_EQ(row.kind == AssetKind::Program, row.recipe == handWritten) << row.path;
        EXPECT_EQ(row.part == LevelPart::None, row.kind == AssetKind::Sound || row.kind == AssetKind::Picture)
            << row.path;
        for (const std::string& file : asset::filesOf(row)) {
            EXPECT_FALSE(file.starts_with("assets/")) << file;
            EXPECT_TRUE(seen.insert(file).second) << file << " is in two rows";
        }
    }
}

TEST(AssetTable, NumberedPicturesStayInTheirRuns)
{
    EXPECT_EQ(asset::row(asset::animationFrame(22)).path, "assets/frames/Frame22.jpg");
    EXPECT_EQ(asset::row(asset::coinDigit(9)).path, "assets/textures/coin9.jpg");
    EXPECT_EQ(asset::row(asset::beerDigit(4)).path, "assets/textures/beer4.jpg");
    EXPECT_THROW(asset::animationFrame(23), std::out_of_range);
    EXPECT_THROW(asset::coinDigit(10), std::out_of_range);
    EXPECT_THROW(asset::beerDigit(5), std::out_of_range);
}

TEST(AssetTable, BelowAssetsLeavesOtherPathsAlone)
{
    EXPECT_EQ(asset::belowAssets("assets/textures/x.jpg"), "textures/x.jpg");
    EXPECT_EQ(asset::belowAssets("elsewhere/assets/x.jpg"), "elsewhere/assets/x.jpg");
}

TEST(AssetPaths, AReplacedPathReachesOnlyItsRowAndTheLastReplacementHolds)
{
    AssetPaths paths;
    paths.replace(AssetId::WoodGround, "assets/textures/sand.jpg");
    paths.replace(AssetId::SkyCubeMap, "assets/textures/dusk");
    paths.replace(AssetId::WoodGround, "assets/textures/moss.jpg");
    EXPECT_EQ(paths.pathOf(AssetId::WoodGround), "assets/textures/moss.jpg");
    EXPECT_EQ(paths.pathOf(AssetId::SkyCubeMap), "assets/textures/dusk");
    EXPECT_EQ(paths.pathOf(AssetId::Grass), "assets/textures/gras.dds");
}

} // namespace
} // namespace tavernrush
