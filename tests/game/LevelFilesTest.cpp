// The list the generator and its tests read must hold every picture the
// rules can ask for while the game runs, each once.
#include "game/LevelFiles.h"
#include "game/Pictures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace tavernrush {
namespace {

bool listed(const std::string& path)
{
    const std::vector<std::string> all = files::gameFiles();
    return std::find(all.begin(), all.end(), files::belowAssets(path)) != all.end();
}

TEST(LevelFiles, EveryPictureTheRulesSwitchToIsListed)
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
    EXPECT_TRUE(listed(coinZeroPath));
    EXPECT_TRUE(listed(beerZeroPath));
}

TEST(LevelFiles, EveryAnimationStepShowsAListedFrame)
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

TEST(LevelFiles, ListedOnceEachBelowTheAssetsFolder)
{
    const std::vector<std::string> all = files::gameFiles();
    EXPECT_EQ(std::set<std::string>(all.begin(), all.end()).size(), all.size());
    for (const std::string& file : all) {
        EXPECT_FALSE(file.starts_with("assets/")) << file;
        EXPECT_FALSE(file.starts_with("/")) << file;
    }
}

TEST(LevelFiles, BelowAssetsLeavesOtherPathsAlone)
{
    EXPECT_EQ(files::belowAssets("assets/textures/x.jpg"), "textures/x.jpg");
    EXPECT_EQ(files::belowAssets("elsewhere/assets/x.jpg"), "elsewhere/assets/x.jpg");
}

} // namespace
} // namespace tavernrush
