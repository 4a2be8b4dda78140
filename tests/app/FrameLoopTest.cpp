// The frame loop's rules, run frame by frame over fakes: timing, walking,
// turning, jumping, the ladder and wall, the pictures and the keys that end
// them.
#include "FrameLoopHarness.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <glm/gtc/matrix_transform.hpp>

#include <algorithm>

namespace tavernrush {
namespace {

using testing::LoopRig;
using ::testing::ElementsAre;

void placePlayer(PlayerState& player, const glm::vec3& position)
{
    player.playerPosition = position;
    player.playerModel = glm::translate(glm::mat4(1.0f), position);
}

// Moves every coin and beer far away so no pickup interferes with a test.
void clearTheField(LoopRig& rig)
{
    for (std::size_t i = 0; i < rig.coins.positions().size(); ++i) {
        rig.coins.placeCoin(i, glm::vec3(900.0f, 1.0f, 900.0f));
    }
    for (std::size_t i = 0; i < rig.beers.positions().size(); ++i) {
        rig.beers.placeBeer(i, glm::vec3(-900.0f, 0.5f, -900.0f));
    }
}

std::vector<std::string> picturesOf(const FrameLoop& loop)
{
    std::vector<std::string> names;
    for (Picture picture : loop.picturesThisFrame()) {
        names.emplace_back(pictureBoardName(picture));
    }
    return names;
}

TEST(FrameLoopOrder, OneFrameDrawsItsPassesInTheFixedOrder)
{
    LoopRig rig;
    rig.frames(1);
    EXPECT_THAT(rig.renderer.steps,
                ElementsAre("beginFrame", "shadow", "scene", "sky", "wall", "lit", "unicorns", "ladderAndToilet",
                            "animationBoard", "spheres", "bag", "endPictures", "coinProgram", "present"));
    EXPECT_EQ(rig.window.polls, 1);
}

TEST(FrameLoopTiming, FirstFrameHasNoTimeAndLaterFramesTheClockStep)
{
    LoopRig rig;
    rig.input.keys = {Key::Up};
    rig.frames(1);
    EXPECT_EQ(rig.loop->frameDeltaTime(), 0.0f);
    EXPECT_EQ(rig.player().playerPosition, glm::vec3(0.0f, 0.0f, 20.0f));
    EXPECT_EQ(rig.state().gameTimer, 0.0f);
    rig.frames(1);
    EXPECT_FLOAT_EQ(rig.loop->frameDeltaTime(), 1.0f / 60.0f);
    EXPECT_FLOAT_EQ(rig.state().gameTimer, 1.0f / 60.0f);
}

TEST(FrameLoopTiming, AStallIsCappedAtATenthOfASecond)
{
    LoopRig rig(5.0); // every frame takes five seconds
    rig.frames(3);
    EXPECT_FLOAT_EQ(rig.loop->frameDeltaTime(), 0.1f);
    EXPECT_FLOAT_EQ(rig.state().gameTimer, 0.2f);
}

TEST(FrameLoopMovement, HoldingUpForOneSecondWalksFifteenUnits)
{
    LoopRig rig;
    clearTheField(rig);
    rig.input.keys = {Key::Up};
    rig.frames(61); // frame 0 has no time, then 60 frames of 1/60 s
    EXPECT_NEAR(rig.player().playerPosition.z, 5.0f, 1e-3f);
    EXPECT_NEAR(rig.player().playerModel[3].z, 5.0f, 1e-3f);
}

TEST(FrameLoopMovement, HoldingRightForOneAndAHalfSecondsFacesPlusX)
{
    LoopRig rig;
    clearTheField(rig);
    rig.input.keys = {Key::Right};
    rig.frames(91);
    const glm::vec3 direction = rig.player().playerDirection;
    EXPECT_NEAR(direction.x, 1.0f, 1e-3f);
    EXPECT_NEAR(direction.z, 0.0f, 1e-3f);
    // The figure turned with its direction: its local -z now points along +x.
    const glm::vec3 facing = -glm::vec3(rig.player().playerModel[2]);
    EXPECT_NEAR(facing.x, 1.0f, 1e-3f);
}

TEST(FrameLoopMovement, NoJumpInTheFirstSecondThenOneJumpThatLandsOnTheGround)
{
    LoopRig rig;
    clearTheField(rig);
    rig.input.keys = {Key::Space};
    rig.frames(58);
    EXPECT_EQ(rig.player().playerPosition.y, 0.0f);
    float highest = 0.0f;
    for (int i = 0; i < 40; ++i) {
        rig.frames(1);
        highest = std::max(highest, rig.player().playerPosition.y);
    }
    EXPECT_GE(highest, 6.0f);
    rig.input.keys.clear();
    rig.frames(40);
    EXPECT_EQ(rig.player().playerPosition.y, 0.0f);
    EXPECT_NEAR(rig.player().playerModel[3].y, 0.0f, 1e-4f);
}

TEST(FrameLoopMovement, SpaceTwiceWithinASecondStartsOnlyOneJump)
{
    LoopRig rig;
    clearTheField(rig);
    rig.frames(70);
    rig.input.keys = {Key::Space};
    rig.frames(1);
    EXPECT_TRUE(rig.player().jumpActive);
    rig.input.keys.clear();
    rig.frames(20); // up to 6 and most of the way down
    rig.input.keys = {Key::Space};
    rig.frames(5);
    rig.input.keys.clear();
    rig.frames(30);
    EXPECT_FALSE(rig.player().jumpActive);
    EXPECT_EQ(rig.player().playerPosition.y, 0.0f);
    EXPECT_LT(rig.player().jumpCooldown, 1.0f); // still the first jump's cooldown
}

TEST(FrameLoopMovement, ALongFrameLandsExactlyOnTheGround)
{
    PlayerState player;
    player.playerPosition.y = 0.5f;
    player.playerModel = glm::translate(glm::mat4(1.0f), player.playerPosition);
    jumpAndFall(player, false, 0.1f); // a step of 3 units
    EXPECT_EQ(player.playerPosition.y, 0.0f);
    EXPECT_EQ(player.playerModel[3].y, 0.0f);
}

TEST(FrameLoopMovement, TheLadderLiftsOnceAndTheFarEdgeLetsThePlayerFall)
{
    LoopRig rig;
    clearTheField(rig);
    rig.frames(70);
    placePlayer(rig.player(), glm::vec3(40.0f, 0.0f, -37.0f));
    rig.frames(1);
    EXPECT_TRUE(rig.player().onLadderTop);
    EXPECT_EQ(rig.player().playerPosition.y, 5.0f);
    rig.input.keys = {Key::Space};
    rig.frames(30);
    EXPECT_EQ(rig.player().playerPosition.y, 5.0f); // no jump and no fall up here
    rig.input.keys = {Key::Up};
    while (rig.player().playerPosition.z >= -44.0f) {
        rig.frames(1);
        ASSERT_EQ(rig.player().playerPosition.y, 5.0f);
    }
    rig.input.keys.clear();
    rig.frames(20);
    EXPECT_FALSE(rig.player().onLadderTop);
    EXPECT_EQ(rig.player().playerPosition.y, 0.0f);
}

TEST(FrameLoopMovement, TheWallStopsApproachButNotRetreat)
{
    PlayerState player;
    placePlayer(player, glm::vec3(-10.0f, 0.0f, -3.0f)); // 3.35 in front of the wall, facing it
    testing::FakeInput input;
    input.keys = {Key::Up};
    for (int i = 0; i < 60; ++i) {
        walkAndTurn(player, input, 1.0f / 60.0f);
    }
    const float stopped = glm::distance(player.playerPosition, wallAnchor);
    EXPECT_GE(stopped, wallRadius);
    EXPECT_LT(stopped, wallRadius + 0.3f);

    // A player who ended up inside the radius can still walk away.
    placePlayer(player, glm::vec3(-10.0f, 0.0f, -5.0f));
    input.keys = {Key::Down};
    walkAndTurn(player, input, 1.0f / 60.0f);
    EXPECT_GT(player.playerPosition.z, -5.0f);
    input.keys = {Key::Up};
    const glm::vec3 before = player.playerPosition;
    walkAndTurn(player, input, 1.0f / 60.0f);
    EXPECT_EQ(player.playerPosition, before);
}

TEST(FrameLoopMovement, HoursOfTurningKeepTheFigureRigid)
{
    PlayerState player;
    testing::FakeInput input;
    input.keys = {Key::Right, Key::Up};
    for (int i = 0; i < 200000; ++i) {
        walkAndTurn(player, input, 1.0f / 60.0f);
    }
    EXPECT_NEAR(glm::length(player.playerDirection), 1.0f, 1e-6f);
    for (int column = 0; column < 3; ++column) {
        EXPECT_NEAR(glm::length(glm::vec3(player.playerModel[column])), 1.0f, 1e-6f);
        EXPECT_NEAR(glm::length(glm::vec3(player.playerHeading[column])), 1.0f, 1e-6f);
    }
    EXPECT_NEAR(glm::dot(glm::vec3(player.playerModel[0]), glm::vec3(player.playerModel[2])), 0.0f, 1e-6f);
}

TEST(FrameLoopCamera, PitchStopsAtEightyNineDegreesAndZoomAtItsLimits)
{
    LoopRig rig;
    rig.input.buttons = {MouseButton::Left};
    rig.frames(1);
    rig.input.cursor = {0.0, 200.0};
    rig.frames(1);
    EXPECT_EQ(rig.camera.cameraPitch, 1.553343f);
    rig.input.cursor = {0.0, -200.0};
    rig.frames(1);
    EXPECT_EQ(rig.camera.cameraPitch, -1.553343f);

    rig.camera.fieldOfView = 150.0f;
    rig.loop->onScroll(-1.0);
    EXPECT_EQ(rig.camera.fieldOfView, 150.0f);
    rig.camera.fieldOfView = 1.0f;
    rig.loop->onScroll(5.0);
    EXPECT_EQ(rig.camera.fieldOfView, 1.0f);
    rig.loop->onScroll(-2.0);
    EXPECT_EQ(rig.camera.fieldOfView, 3.0f);
}

TEST(FrameLoopCamera, AWideWindowGetsAWideProjection)
{
    Settings wide;
    wide.width = 1600;
    wide.height = 800;
    LoopRig rig(1.0 / 60.0, wide);
    rig.frames(1);
    EXPECT_NEAR(rig.camera.projectionMatrix[1][1] / rig.camera.projectionMatrix[0][0], 2.0f, 1e-5f);
}

TEST(FrameLoopPictures, TenCoinsBeatFourBeersAndRestartClearsEverything)
{
    LoopRig rig;
    clearTheField(rig);
    rig.coins.collected = 10;
    rig.beers.collected = 4;
    rig.frames(3);
    EXPECT_THAT(picturesOf(*rig.loop), ElementsAre("wonScreen"));
    EXPECT_TRUE(rig.state().screenShown);
    EXPECT_FALSE(rig.renderer.playerDrawn);

    rig.renderer.clear();
    rig.input.keys = {Key::C};
    rig.frames(1);
    EXPECT_EQ(rig.coins.collected, 0);
    EXPECT_EQ(rig.beers.collected, 0);
    EXPECT_EQ(rig.state().gameTimer, 0.0f);
    EXPECT_FALSE(rig.state().screenShown);
    EXPECT_THAT(rig.renderer.coinPictures, ElementsAre("assets/textures/coin0.jpg"));
    // The counters showed their digits earlier in the same frame.
    EXPECT_THAT(rig.renderer.beerPictures, ElementsAre("assets/textures/beer4.jpg", "assets/textures/beer0.jpg"));
    rig.input.keys.clear();
    rig.frames(1);
    EXPECT_TRUE(rig.loop->picturesThisFrame().empty());
}

TEST(FrameLoopPictures, TimeUpComesAtSeventySecondsAndAgainSeventyAfterRestart)
{
    LoopRig rig;
    clearTheField(rig);
    rig.frames(1);
    rig.state().gameTimer = 69.9f; // plus this frame's 1/60 s stays short of 70
    rig.frames(1);
    EXPECT_TRUE(rig.loop->picturesThisFrame().empty());
    rig.state().gameTimer = 70.0f;
    rig.frames(1);
    EXPECT_THAT(picturesOf(*rig.loop), ElementsAre("timeUpScreen"));
    rig.beers.collected = 4;
    rig.frames(1);
    EXPECT_THAT(picturesOf(*rig.loop), ElementsAre("drunkScreen"));
    rig.input.keys = {Key::C};
    rig.frames(1);
    rig.input.keys.clear();
    rig.frames(60);
    EXPECT_TRUE(rig.loop->picturesThisFrame().empty());
    EXPECT_FALSE(rig.state().screenShown);
}

TEST(FrameLoopPictures, FAloneCannotEndTheToiletBreakButFAndWalkingOutCan)
{
    LoopRig rig;
    clearTheField(rig);
    rig.frames(1);
    placePlayer(rig.player(), glm::vec3(70.0f, 0.0f, -68.0f)); // 2.83 from the hut
    rig.frames(2);
    EXPECT_THAT(picturesOf(*rig.loop), ElementsAre("toiletScreen", "toiletScreen"));

    rig.input.keys = {Key::F};
    rig.frames(10);
    EXPECT_TRUE(rig.state().screenShown);
    EXPECT_EQ(rig.player().playerPosition.z, -68.0f);

    rig.input.keys = {Key::F, Key::Down}; // backwards, away from the hut
    for (int i = 0; i < 30 && toiletInReach(rig.player().playerPosition); ++i) {
        rig.frames(1);
    }
    rig.input.keys = {Key::F};
    rig.frames(1);
    EXPECT_FALSE(rig.state().screenShown);
    rig.input.keys.clear();
    rig.frames(1);
    EXPECT_FALSE(rig.state().screenShown);
    EXPECT_TRUE(rig.loop->picturesThisFrame().empty());
}

TEST(FrameLoopPictures, EveryUnicornInReachShowsThePictureOnce)
{
    LoopRig rig(1.0 / 60.0, {}, {glm::vec3(1.0f, 0.0f, 20.0f), glm::vec3(-1.0f, 0.0f, 20.0f)});
    clearTheField(rig);
    rig.frames(2);
    EXPECT_THAT(picturesOf(*rig.loop), ElementsAre("unicornScreen", "unicornScreen"));
    // The herd stands still while the picture is up.
    const auto frozen = rig.loop->unicornPositions();
    rig.frames(5);
    EXPECT_EQ(rig.loop->unicornPositions(), frozen);

    rig.input.keys = {Key::F, Key::Up};
    rig.frames(20);
    rig.input.keys.clear();
    rig.frames(1);
    EXPECT_FALSE(rig.state().screenShown);
}

TEST(FrameLoopPictures, WhileAPictureIsUpOnlyTheJumpStillMovesThePlayer)
{
    LoopRig rig;
    clearTheField(rig);
    rig.frames(70);
    rig.state().gameTimer = 75.0f;
    rig.frames(1); // the picture goes up at the end of this frame
    rig.renderer.clear();
    rig.input.keys = {Key::Up, Key::Right, Key::F10, Key::Space};
    rig.frames(10);
    EXPECT_EQ(rig.player().playerPosition.z, 20.0f);
    EXPECT_EQ(rig.player().playerDirection, glm::vec3(0.0f, 0.0f, -1.0f));
    EXPECT_TRUE(rig.window.calls.empty());
    EXPECT_GT(rig.player().playerPosition.y, 0.0f);
    EXPECT_EQ(std::count(rig.renderer.steps.begin(), rig.renderer.steps.end(), "bag"), 0);
}

TEST(FrameLoopPictures, CounterSpheresShowDigitsOnlyWithinTheirRange)
{
    LoopRig rig;
    clearTheField(rig);
    rig.frames(1);
    EXPECT_TRUE(rig.renderer.coinPictures.empty());
    for (int count = 1; count <= 12; ++count) {
        rig.renderer.clear();
        rig.coins.collected = count;
        rig.beers.collected = count;
        rig.loop->runFrame();
        if (count <= 9) {
            EXPECT_THAT(rig.renderer.coinPictures,
                        ElementsAre("assets/textures/coin" + std::to_string(count) + ".jpg"));
        } else {
            EXPECT_TRUE(rig.renderer.coinPictures.empty()) << count;
        }
        if (count <= 4) {
            EXPECT_THAT(rig.renderer.beerPictures,
                        ElementsAre("assets/textures/beer" + std::to_string(count) + ".jpg"));
        } else {
            EXPECT_TRUE(rig.renderer.beerPictures.empty()) << count;
        }
    }
}

TEST(FrameLoopKeys, F10TogglesOncePerPressAndStartsFromTheSettings)
{
    LoopRig rig;
    rig.input.keys = {Key::F10};
    rig.frames(5);
    EXPECT_THAT(rig.window.calls, ElementsAre("enter"));
    EXPECT_TRUE(rig.loop->isFullscreen());
    rig.input.keys.clear();
    rig.frames(1);
    rig.input.keys = {Key::F10};
    rig.frames(3);
    EXPECT_THAT(rig.window.calls, ElementsAre("enter", "leave"));
    EXPECT_FALSE(rig.loop->isFullscreen());

    Settings fullscreen;
    fullscreen.fullscreen = true;
    LoopRig fromSettings(1.0 / 60.0, fullscreen);
    fromSettings.input.keys = {Key::F10};
    fromSettings.frames(1);
    EXPECT_THAT(fromSettings.window.calls, ElementsAre("leave"));

    LoopRig noMonitor;
    noMonitor.window.hasMonitor = false;
    noMonitor.input.keys = {Key::F10};
    noMonitor.frames(1);
    EXPECT_FALSE(noMonitor.loop->isFullscreen());
}

TEST(FrameLoopKeys, BrightnessWallAndEscape)
{
    LoopRig rig;
    rig.input.keys = {Key::H};
    rig.frames(10);
    EXPECT_NEAR(rig.renderer.brightness, 0.02f, 1e-6f);
    rig.input.keys = {Key::H, Key::D};
    rig.frames(10);
    EXPECT_NEAR(rig.renderer.brightness, 0.02f, 1e-6f);
    rig.input.keys = {Key::N};
    rig.frames(1);
    EXPECT_TRUE(rig.renderer.wallPlain);

    rig.loop->onEscapeReleased();
    rig.loop->run();
    EXPECT_EQ(rig.window.swaps, 0); // the request ends the run before another frame
}

TEST(FrameAnimation, PicturesRunFromTwoToTwentyTwoThenWrapToOne)
{
    float timer = 0.0f;
    int index = 2;
    std::vector<int> shown;
    for (int frame = 0; frame < 2000 && shown.size() < 23; ++frame) {
        timer += 1.0f / 60.0f;
        if (const auto number = advanceFrameAnimation(timer, index)) {
            shown.push_back(*number);
        }
    }
    ASSERT_EQ(shown.size(), 23u);
    EXPECT_EQ(shown.front(), 2);
    EXPECT_EQ(shown[20], 22);
    EXPECT_EQ(shown[21], 1);
    EXPECT_EQ(shown[22], 2);
    EXPECT_EQ(animationFramePath(1), "assets/frames/Frame01.jpg");
    EXPECT_EQ(animationFramePath(22), "assets/frames/Frame22.jpg");
}

TEST(FrameAnimation, TheSwitchComesOnTheFirstFrameAfterFourTenths)
{
    LoopRig rig;
    rig.frames(24); // 23 steps of 1/60 s: 0.383 s
    EXPECT_TRUE(rig.renderer.animationFrames.empty());
    rig.frames(2);
    EXPECT_THAT(rig.renderer.animationFrames, ElementsAre("assets/frames/Frame02.jpg"));
    EXPECT_EQ(rig.state().frameAnimIndex, 3);
}

} // namespace
} // namespace tavernrush
