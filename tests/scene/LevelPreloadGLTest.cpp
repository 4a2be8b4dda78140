// The level's files read ahead on a worker: the level must find every one it
// reads there, and the worker must read none the level does not take, or the
// start-up either waits on the GL thread or decodes in vain.

#include "model/MeshTextureLoader.h"
#include "model/ModelImport.h"
#include "render/DecodedAhead.h"
#include "render/DecodedPicture.h"
#include "render/StartupSteps.h"
#include "scene/Level.h"
#include "scene/LevelPreload.h"

#include "support/GlTestContext.h"

#include <gtest/gtest.h>

namespace tavernrush {
namespace {

class LevelPreloadGLTest : public testing::GlTest {};

TEST_F(LevelPreloadGLTest, TheLevelTakesEveryFileReadAheadAndReadsNoneItself)
{
    LevelPreload preload;
    {
        const Level level{LevelSettings{}};
        EXPECT_EQ(DecodedAhead<ModelImport>::untaken(), 0u);
        EXPECT_EQ(DecodedAhead<DecodedPicture>::untaken(), 0u);
        EXPECT_EQ(DecodedAhead<DecodedMaterialImage>::untaken(), 0u);
    }
    preload.finish();
    int readAhead = 0;
    for (const StartupStepTotal& step : startupStepTotals()) {
        const bool reading = step.name.rfind("decode ", 0) == 0 || step.name == "import OBJ";
        if (reading) {
            EXPECT_TRUE(step.onWorker) << step.name << " on the GL thread, " << step.count << " times";
            readAhead += step.onWorker ? step.count : 0;
        }
    }
    EXPECT_GT(readAhead, 40);
}

// A level may bring its own ground picture and sky: the level and the worker
// both read the replacements, and nothing read ahead is left over.
TEST_F(LevelPreloadGLTest, ReplacedPathsReachTheLevelAndTheWorkerAlike)
{
    LevelSettings settings;
    settings.paths.replace(AssetId::WoodGround, "assets/textures/kellbrau.jpg");
    settings.paths.replace(AssetId::SkyCubeMap, "assets/textures/no-such-sky");
    LevelPreload preload(settings.paths);
    {
        const Level level{settings};
        EXPECT_EQ(DecodedAhead<DecodedPicture>::untaken(), 0u);
        const Texture& ground = *level.materials[AssetId::WoodGround]->texture();
        EXPECT_EQ(ground.width(), 512) << "the beer label, not the wood";
        EXPECT_EQ(ground.height(), 256);
        EXPECT_EQ(level.skybox.cubeMap().facePaths().front(), "assets/textures/no-such-sky/right.jpg");
    }
    preload.finish();
}

} // namespace
} // namespace tavernrush
