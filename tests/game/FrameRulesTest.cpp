// The frame's rules, run frame by frame: timing, walking, turning, jumping,
// the ladder and wall, the pictures and the keys that end them, and the
// frame's value with its events.
#include "RulesRig.h"

#include "game/Countdown.h"
#include "game/Pictures.h"
#include "game/Player.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <glm/gtc/matrix_transform.hpp>

#include <algorithm>
#include <limits>
#include <set>

namespace tavernrush {
namespace {

using testing::meadow;
using testing::RulesRig;

std::vector<glm::vec3> meadowHerd() { return placeUnicorns(meadow().unicornCount, meadow().unicornSeed); }
using ::testing::ElementsAre;

void placePlayer(PlayerState& player, const glm::vec3& position)
{
    player.playerPosition = position;
    player.playerModel = glm::translate(glm::mat4(1.0f), position);
}

// Moves every coin and beer far away so no pickup interferes with a test.
void clearTheField(RulesRig& rig)
{
    for (std::size_t i = 0; i < rig.coins().positions().size(); ++i) {
        rig.coins().placeCoin(i, glm::vec3(900.0f, 1.0f, 900.0f));
    }
    for (std::size_t i = 0; i < rig.beers().positions().size(); ++i) {
        rig.beers().placeBeer(i, glm::vec3(-900.0f, 0.5f, -900.0f));
    }
}

// One frame with the key held, then let go.
void press(RulesRig& rig, Action action)
{
    rig.input.keys.insert(action);
    rig.frames(1);
    rig.input.keys.erase(action);
}

TEST(FrameScene, OneFrameHoldsTheWholeLevelAndNothingHappened)
{
    RulesRig rig(1.0 / 60.0, 1.0f, meadowHerd());
    clearTheField(rig);
    rig.frames(1);
    const FrameScene& scene = rig.scene();
    EXPECT_EQ(scene.coins.size(), static_cast<std::size_t>(meadow().coins.count));
    EXPECT_EQ(scene.beers.size(), static_cast<std::size_t>(meadow().beers.count));
    EXPECT_EQ(scene.unicorns.size(), static_cast<std::size_t>(meadow().unicornCount));
    EXPECT_TRUE(scene.drawPlayer);
    EXPECT_TRUE(scene.bag.has_value());
    EXPECT_TRUE(scene.pictures.empty());
    EXPECT_TRUE(scene.events.empty());
    EXPECT_EQ(scene.playerModel, playerAtStart(meadow()).playerModel);
    // The fixed things stand where the level's file puts them.
    const auto placeOf = [&scene](Drawable what, AssetId model = AssetId::FigureModel) {
        for (const DrawItem& item : scene.items) {
            if (item.what == what && (what != Drawable::Model || item.modelAsset == model)) {
                return glm::vec3(item.model * glm::vec4(0.0f, 0.0f, 0.0f, 1.0f));
            }
        }
        return glm::vec3(-1e9f);
    };
    EXPECT_EQ(placeOf(Drawable::BrickWall), meadow().wallCentre);
    EXPECT_EQ(placeOf(Drawable::Model, AssetId::LadderModel), meadow().ladderFoot);
    EXPECT_EQ(placeOf(Drawable::Model, AssetId::ToiletHutModel), meadow().toiletHut);
    const glm::vec3 board = placeOf(Drawable::AnimationBoard);
    EXPECT_NEAR(board.x, meadow().boardCentre.x, 1e-5f);
    EXPECT_NEAR(board.z, meadow().boardCentre.y, 1e-5f);
    EXPECT_EQ(scene.items.front().what, Drawable::Figure);
    EXPECT_EQ(std::count_if(scene.items.begin(), scene.items.end(),
                            [](const DrawItem& item) { return item.what == Drawable::Model; }),
              meadow().unicornCount + 3) << "the unicorns, the ladder, the hut and the bag";

    // The coins trail the camera by one frame.
    const glm::mat4 firstView = scene.view.viewMatrix;
    rig.input.keys = {Action::Right};
    rig.frames(2);
    EXPECT_NE(rig.scene().view.viewMatrix, firstView);
    EXPECT_NE(rig.scene().coinView.viewMatrix, rig.scene().view.viewMatrix);
    const glm::mat4 lastView = rig.scene().view.viewMatrix;
    rig.input.keys.clear();
    rig.frames(1);
    EXPECT_EQ(rig.scene().coinView.viewMatrix, lastView);
}

TEST(FrameScene, ACoinTakenEndsTheCoinPassAndIsOneEvent)
{
    RulesRig rig;
    clearTheField(rig);
    rig.coins().placeCoin(5, glm::vec3(0.0f, 0.0f, 20.0f));
    rig.frames(1);
    EXPECT_EQ(rig.scene().coins.size(), 5u);
    EXPECT_THAT(rig.events(), ElementsAre("coin"));
    EXPECT_EQ(rig.coins().collected, 1);
    rig.frames(1);
    EXPECT_EQ(rig.scene().coins.size(), static_cast<std::size_t>(meadow().coins.count));
    EXPECT_TRUE(rig.events().empty());
}

TEST(FrameLoopTiming, FirstFrameHasNoTimeAndLaterFramesTheClockStep)
{
    RulesRig rig;
    rig.input.keys = {Action::Forward};
    rig.frames(1);
    EXPECT_EQ(rig.scene().deltaTime, 0.0f);
    EXPECT_EQ(rig.player().playerPosition, glm::vec3(0.0f, 0.0f, 20.0f));
    EXPECT_EQ(rig.state().gameTimer, 0.0f);
    rig.frames(1);
    EXPECT_FLOAT_EQ(rig.scene().deltaTime, 1.0f / 60.0f);
    EXPECT_FLOAT_EQ(rig.state().gameTimer, 1.0f / 60.0f);
}

TEST(FrameLoopTiming, AStallIsCappedAtATenthOfASecond)
{
    RulesRig rig(5.0); // every frame takes five seconds
    rig.frames(3);
    EXPECT_FLOAT_EQ(rig.scene().deltaTime, 0.1f);
    EXPECT_FLOAT_EQ(rig.state().gameTimer, 0.2f);
}

TEST(FrameLoopMovement, HoldingUpForOneSecondWalksFifteenUnits)
{
    RulesRig rig;
    clearTheField(rig);
    rig.input.keys = {Action::Forward};
    rig.frames(61); // frame 0 has no time, then 60 frames of 1/60 s
    EXPECT_NEAR(rig.player().playerPosition.z, 5.0f, 1e-3f);
    EXPECT_NEAR(rig.player().playerModel[3].z, 5.0f, 1e-3f);
}

TEST(FrameLoopMovement, HoldingRightForOneAndAHalfSecondsFacesPlusX)
{
    RulesRig rig;
    clearTheField(rig);
    rig.input.keys = {Action::Right};
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
    RulesRig rig;
    clearTheField(rig);
    rig.input.keys = {Action::Jump};
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

TEST(FrameLoopMovement, TheNextJumpWaitsForMoreThanAWholeSecond)
{
    RulesRig rig(1.0 / 16.0); // a step that adds up to exactly one second
    clearTheField(rig);
    rig.input.keys = {Action::Jump};
    rig.frames(17); // the first frame has no time: 16 steps, 1.0 s
    EXPECT_FALSE(rig.player().jumpActive);
    rig.frames(1);
    EXPECT_THAT(rig.events(), ElementsAre("jump"));
}

TEST(FrameLoopMovement, SpaceTwiceWithinASecondStartsOnlyOneJump)
{
    RulesRig rig;
    clearTheField(rig);
    rig.frames(70);
    rig.input.keys = {Action::Jump};
    rig.frames(1);
    EXPECT_TRUE(rig.player().jumpActive);
    rig.input.keys.clear();
    rig.frames(20); // up to 6 and most of the way down
    rig.input.keys = {Action::Jump};
    rig.frames(5);
    rig.input.keys.clear();
    rig.frames(30);
    EXPECT_FALSE(rig.player().jumpActive);
    EXPECT_EQ(rig.player().playerPosition.y, 0.0f);
    EXPECT_LT(rig.player().jumpCooldown, 1.0f); // still the first jump's cooldown
}

TEST(FrameLoopMovement, ALongFrameLandsExactlyOnTheGround)
{
    PlayerState player = playerAtStart(meadow());
    player.playerPosition.y = 0.5f;
    player.playerModel = glm::translate(glm::mat4(1.0f), player.playerPosition);
    jumpAndFall(player, false, 0.1f); // a step of 3 units
    EXPECT_EQ(player.playerPosition.y, 0.0f);
    EXPECT_EQ(player.playerModel[3].y, 0.0f);
}

TEST(FrameLoopMovement, TheLadderLiftsOnceAndTheFarEdgeLetsThePlayerFall)
{
    RulesRig rig;
    clearTheField(rig);
    rig.frames(70);
    const float lift = meadow().ladderLift;
    placePlayer(rig.player(), meadow().ladderFoot + glm::vec3(0.0f, 0.0f, 3.0f));
    rig.frames(1);
    EXPECT_TRUE(rig.player().onLadderTop);
    EXPECT_EQ(rig.player().playerPosition.y, lift);
    rig.input.keys = {Action::Jump};
    rig.frames(30);
    EXPECT_EQ(rig.player().playerPosition.y, lift); // no jump and no fall up here
    rig.input.keys = {Action::Forward};
    while (rig.player().playerPosition.z >= meadow().ladderTopEdgeZ) {
        rig.frames(1);
        ASSERT_EQ(rig.player().playerPosition.y, lift);
    }
    rig.input.keys.clear();
    rig.frames(20);
    EXPECT_FALSE(rig.player().onLadderTop);
    EXPECT_EQ(rig.player().playerPosition.y, 0.0f);
}

TEST(FrameLoopMovement, TheWallStopsApproachButNotRetreat)
{
    PlayerState player = playerAtStart(meadow());
    const glm::vec3 wallFoot(meadow().wallCentre.x, 0.0f, meadow().wallCentre.z);
    placePlayer(player, wallFoot + glm::vec3(0.0f, 0.0f, 3.0f)); // in front of the wall, facing it
    testing::FakeInput input;
    input.keys = {Action::Forward};
    for (int i = 0; i < 60; ++i) {
        walkAndTurn(player, input, 1.0f / 60.0f, meadow());
    }
    const float stopped = glm::distance(player.playerPosition, meadow().wallCentre);
    EXPECT_GE(stopped, meadow().wallRadius);
    EXPECT_LT(stopped, meadow().wallRadius + 0.3f);

    // A player who ended up inside the radius can still walk away.
    placePlayer(player, wallFoot + glm::vec3(0.0f, 0.0f, 1.0f));
    input.keys = {Action::Back};
    walkAndTurn(player, input, 1.0f / 60.0f, meadow());
    EXPECT_GT(player.playerPosition.z, wallFoot.z + 1.0f);
    input.keys = {Action::Forward};
    const glm::vec3 before = player.playerPosition;
    walkAndTurn(player, input, 1.0f / 60.0f, meadow());
    EXPECT_EQ(player.playerPosition, before);
}

TEST(FrameLoopMovement, HoursOfTurningKeepTheFigureRigid)
{
    PlayerState player = playerAtStart(meadow());
    testing::FakeInput input;
    input.keys = {Action::Right, Action::Forward};
    for (int i = 0; i < 200000; ++i) {
        walkAndTurn(player, input, 1.0f / 60.0f, meadow());
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
    RulesRig rig;
    rig.input.buttons = {MouseButton::Left};
    rig.frames(1);
    rig.input.cursor = {0.0, 200.0};
    rig.frames(1);
    EXPECT_EQ(rig.camera().cameraPitch, 1.553343f);
    rig.input.cursor = {0.0, -200.0};
    rig.frames(1);
    EXPECT_EQ(rig.camera().cameraPitch, -1.553343f);

    rig.camera().fieldOfView = 150.0f;
    rig.rules.zoom(-1.0);
    EXPECT_EQ(rig.camera().fieldOfView, 150.0f);
    rig.camera().fieldOfView = 1.0f;
    rig.rules.zoom(5.0);
    EXPECT_EQ(rig.camera().fieldOfView, 1.0f);
    rig.rules.zoom(-2.0);
    EXPECT_EQ(rig.camera().fieldOfView, 3.0f);
}

TEST(FrameLoopCamera, AWideWindowGetsAWideProjection)
{
    RulesRig rig(1.0 / 60.0, 2.0f); // 1600 x 800
    rig.frames(1);
    EXPECT_NEAR(rig.camera().projectionMatrix[1][1] / rig.camera().projectionMatrix[0][0], 2.0f, 1e-5f);
}

TEST(FrameLoopPictures, TheCoinsToWinBeatTheBeersToLoseAndRestartClearsEverything)
{
    RulesRig rig;
    clearTheField(rig);
    rig.coins().collected = meadow().coinsToWin;
    rig.beers().collected = meadow().beersToLose;
    rig.frames(3);
    EXPECT_THAT(rig.pictures(), ElementsAre("wonScreen"));
    EXPECT_TRUE(rig.state().screenShown);
    EXPECT_FALSE(rig.scene().drawPlayer);

    rig.input.keys = {Action::Restart};
    rig.frames(1);
    EXPECT_EQ(rig.coins().collected, 0);
    EXPECT_EQ(rig.beers().collected, 0);
    EXPECT_EQ(rig.state().gameTimer, 0.0f);
    EXPECT_FALSE(rig.state().screenShown);
    // The counters showed the old digits in the restart frame, zero after it.
    EXPECT_EQ(rig.scene().beerCounterPicture, "assets/textures/beer4.jpg");
    rig.input.keys.clear();
    rig.frames(1);
    EXPECT_TRUE(rig.scene().pictures.empty());
    EXPECT_EQ(rig.scene().coinCounterPicture, "assets/textures/coin0.jpg");
    EXPECT_EQ(rig.scene().beerCounterPicture, "assets/textures/beer0.jpg");
    rig.frames(1);
    EXPECT_EQ(rig.scene().coinCounterPicture, "assets/textures/coin0.jpg");
}

TEST(FrameLoopPictures, TimeUpComesAtTheLimitAndAgainAfterRestart)
{
    RulesRig rig;
    clearTheField(rig);
    rig.frames(1);
    const float limit = meadow().timeLimitSeconds;
    rig.state().gameTimer = limit - 0.1f; // plus this frame's 1/60 s stays short of the limit
    rig.frames(1);
    EXPECT_TRUE(rig.scene().pictures.empty());
    rig.state().gameTimer = limit;
    rig.frames(1);
    EXPECT_THAT(rig.pictures(), ElementsAre("timeUpScreen"));
    rig.beers().collected = meadow().beersToLose;
    rig.frames(1);
    EXPECT_THAT(rig.pictures(), ElementsAre("drunkScreen"));
    rig.input.keys = {Action::Restart};
    rig.frames(1);
    rig.input.keys.clear();
    rig.frames(60);
    EXPECT_TRUE(rig.scene().pictures.empty());
    EXPECT_FALSE(rig.state().screenShown);
}

TEST(FrameLoopPictures, FAloneCannotEndTheToiletBreakButFAndWalkingOutCan)
{
    RulesRig rig;
    clearTheField(rig);
    rig.frames(1);
    const glm::vec3 byTheHut = meadow().toiletHut + glm::vec3(0.0f, -2.0f, 2.0f); // 2.83 from the hut
    placePlayer(rig.player(), byTheHut);
    rig.frames(2);
    EXPECT_THAT(rig.pictures(), ElementsAre("toiletScreen", "toiletScreen"));

    rig.input.keys = {Action::Dismiss};
    rig.frames(10);
    EXPECT_TRUE(rig.state().screenShown);
    EXPECT_EQ(rig.player().playerPosition.z, byTheHut.z);

    rig.input.keys = {Action::Dismiss, Action::Back}; // backwards, away from the hut
    for (int i = 0; i < 30 && toiletInReach(rig.player().playerPosition, meadow()); ++i) {
        rig.frames(1);
    }
    rig.input.keys = {Action::Dismiss};
    rig.frames(1);
    EXPECT_FALSE(rig.state().screenShown);
    rig.input.keys.clear();
    rig.frames(1);
    EXPECT_FALSE(rig.state().screenShown);
    EXPECT_TRUE(rig.scene().pictures.empty());
}

TEST(FrameLoopPictures, EveryUnicornInReachShowsThePictureOnce)
{
    RulesRig rig(1.0 / 60.0, {}, {glm::vec3(1.0f, 0.0f, 20.0f), glm::vec3(-1.0f, 0.0f, 20.0f)});
    clearTheField(rig);
    rig.frames(2);
    EXPECT_THAT(rig.pictures(), ElementsAre("unicornScreen", "unicornScreen"));
    // The herd stands still while the picture is up.
    const auto frozen = rig.rules.unicornPositions();
    rig.frames(5);
    EXPECT_EQ(rig.rules.unicornPositions(), frozen);

    rig.input.keys = {Action::Dismiss, Action::Forward};
    rig.frames(20);
    rig.input.keys.clear();
    rig.frames(1);
    EXPECT_FALSE(rig.state().screenShown);
}

TEST(FrameLoopPictures, WhileAPictureIsUpOnlyTheJumpStillMovesThePlayer)
{
    RulesRig rig;
    clearTheField(rig);
    rig.frames(70);
    rig.state().gameTimer = 75.0f;
    rig.frames(1); // the picture goes up at the end of this frame
    rig.input.keys = {Action::Forward, Action::Right, Action::Fullscreen, Action::Jump};
    for (int i = 0; i < 10; ++i) {
        rig.frames(1);
        EXPECT_FALSE(rig.scene().fullscreenRequested);
        EXPECT_FALSE(rig.scene().bag.has_value());
        EXPECT_FALSE(rig.scene().drawPlayer);
    }
    EXPECT_EQ(rig.player().playerPosition.z, 20.0f);
    EXPECT_EQ(rig.player().playerDirection, glm::vec3(0.0f, 0.0f, -1.0f));
    EXPECT_GT(rig.player().playerPosition.y, 0.0f);
}

TEST(FrameLoopPictures, CounterSpheresShowDigitsOnlyWithinTheirRange)
{
    RulesRig rig;
    clearTheField(rig);
    rig.frames(1);
    EXPECT_EQ(rig.scene().coinCounterPicture, "assets/textures/coin0.jpg");
    EXPECT_EQ(rig.scene().beerCounterPicture, "assets/textures/beer0.jpg");
    for (int count = 1; count <= 12; ++count) {
        rig.coins().collected = count;
        rig.beers().collected = count;
        rig.frames(1);
        if (count <= 9) {
            EXPECT_EQ(rig.scene().coinCounterPicture, "assets/textures/coin" + std::to_string(count) + ".jpg");
        } else {
            EXPECT_EQ(rig.scene().coinCounterPicture, "assets/textures/coin9.jpg") << "the last picture stays";
        }
        if (count <= 4) {
            EXPECT_EQ(rig.scene().beerCounterPicture, "assets/textures/beer" + std::to_string(count) + ".jpg");
        } else {
            EXPECT_EQ(rig.scene().beerCounterPicture, "assets/textures/beer4.jpg") << "the last picture stays";
        }
    }
}

TEST(FrameLoopKeys, F10AndMuteActOncePerPress)
{
    RulesRig rig;
    rig.input.keys = {Action::Fullscreen};
    rig.frames(1);
    EXPECT_TRUE(rig.scene().fullscreenRequested);
    rig.frames(4);
    EXPECT_FALSE(rig.scene().fullscreenRequested);
    rig.input.keys.clear();
    rig.frames(1);
    rig.input.keys = {Action::Fullscreen};
    rig.frames(1);
    EXPECT_TRUE(rig.scene().fullscreenRequested);

    // Mute acts the same way: once per press, however long it is held.
    RulesRig muting;
    muting.input.keys = {Action::Mute};
    muting.frames(1);
    EXPECT_TRUE(muting.scene().muteToggled);
    muting.frames(5);
    EXPECT_FALSE(muting.scene().muteToggled);
}

TEST(FrameLoopKeys, BrightnessAndThePlainWall)
{
    RulesRig rig;
    rig.frames(1);
    const float ground = rig.scene().groundAmbient;
    const float board = rig.scene().boardAmbient;
    rig.input.keys = {Action::Brighter};
    rig.frames(10);
    EXPECT_NEAR(rig.scene().groundAmbient, ground + 0.02f, 1e-6f);
    EXPECT_NEAR(rig.scene().boardAmbient, board + 0.02f, 1e-6f);
    rig.input.keys = {Action::Brighter, Action::Darker};
    rig.frames(1);
    EXPECT_NEAR(rig.scene().groundAmbient, ground + 0.02f, 1e-6f);
    rig.input.keys = {Action::Darker};
    rig.frames(1);
    EXPECT_NEAR(rig.scene().groundAmbient, ground + 0.018f, 1e-6f);
    EXPECT_FALSE(rig.scene().plainWall);
    rig.input.keys = {Action::PlainWall};
    rig.frames(1);
    EXPECT_TRUE(rig.scene().plainWall);
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
    RulesRig rig;
    for (int i = 0; i < 24; ++i) { // 23 steps of 1/60 s: 0.383 s
        rig.frames(1);
        ASSERT_EQ(rig.scene().animationPicture, "assets/frames/Frame01.jpg") << i;
    }
    rig.frames(2);
    EXPECT_EQ(rig.scene().animationPicture, "assets/frames/Frame02.jpg");
    EXPECT_EQ(rig.state().frameAnimIndex, 3);
}

// What happened, as sound and the trace hear it: each event once, in the
// frame it happens, never again while its state lasts.
TEST(FrameEvents, JumpLandLadderAndRestartComeOncePerHappening)
{
    RulesRig rig;
    clearTheField(rig);
    rig.frames(70);
    rig.input.keys = {Action::Jump};
    rig.frames(1);
    EXPECT_THAT(rig.events(), ElementsAre("jump"));
    int jumps = 0;
    int landings = 0;
    for (int i = 0; i < 50; ++i) {
        rig.frames(1);
        jumps += static_cast<int>(rig.scene().has(FrameEventKind::JumpStarted));
        landings += static_cast<int>(rig.scene().has(FrameEventKind::Landed));
    }
    EXPECT_EQ(jumps, 0); // held Space waits for the cooldown
    EXPECT_EQ(landings, 1);

    rig.input.keys.clear();
    placePlayer(rig.player(), glm::vec3(40.0f, 0.0f, -37.0f));
    rig.frames(1);
    EXPECT_THAT(rig.events(), ElementsAre("ladder"));
    rig.frames(1);
    EXPECT_TRUE(rig.events().empty());

    rig.input.keys = {Action::Restart};
    rig.frames(1);
    EXPECT_THAT(rig.events(), ElementsAre("restart"));
    rig.frames(3);
    EXPECT_TRUE(rig.events().empty());
}

TEST(FrameEvents, APictureSoundsWhenItComesUpAndAgainOnlyAfterItWentAway)
{
    RulesRig rig(1.0 / 60.0, 1.0f, {glm::vec3(1.0f, 0.0f, 20.0f), glm::vec3(-1.0f, 0.0f, 20.0f)});
    clearTheField(rig);
    rig.frames(1);
    EXPECT_THAT(rig.events(), ElementsAre("picture:unicorn"));
    EXPECT_EQ(rig.scene().events.front().where, glm::vec3(1.0f, 0.0f, 20.0f));
    rig.frames(5);
    EXPECT_TRUE(rig.events().empty());

    rig.coins().collected = meadow().coinsToWin - 1;
    rig.coins().placeCoin(0, rig.player().playerPosition);
    rig.frames(1);
    EXPECT_THAT(rig.events(), ElementsAre("coin", "win", "picture:won"));

    RulesRig late;
    clearTheField(late);
    late.frames(1);
    late.state().gameTimer = meadow().timeLimitSeconds - 0.01f;
    late.frames(1);
    EXPECT_THAT(late.events(), ElementsAre("timeup", "picture:timeup"));
    late.frames(1);
    EXPECT_TRUE(late.events().empty());
}

// Pause: the whole game stands still, and comes back without a jump.
struct FrozenState {
    float gameTimer;
    std::vector<glm::vec3> coins;
    std::vector<glm::vec3> beers;
    std::vector<glm::vec3> unicorns;
    float spin;
    float relocateTimer;
    float animationTimer;
    int animationIndex;
    glm::vec3 player;

    explicit FrozenState(RulesRig& rig)
        : gameTimer(rig.state().gameTimer),
          coins(rig.coins().positions()),
          beers(rig.beers().positions()),
          unicorns(rig.rules.unicornPositions()),
          spin(rig.coins().spinAngle()),
          relocateTimer(rig.coins().relocateTimer()),
          animationTimer(rig.state().frameAnimTimer),
          animationIndex(rig.state().frameAnimIndex),
          player(rig.player().playerPosition)
    {
    }
    bool operator==(const FrozenState&) const = default;
};

TEST(FramePause, EverythingStandsStillWhilePausedAndPlayGoesOnWithoutAJump)
{
    RulesRig rig(1.0 / 60.0, 1.0f, meadowHerd());
    rig.input.buttons = {MouseButton::Left}; // dragging the camera throughout
    rig.frames(30);
    const FrozenState before(rig);
    const float yaw = rig.camera().cameraYaw;
    const std::vector<glm::mat4> coinsDrawn = rig.scene().coins;
    const std::optional<CountdownDisplay> countdown = rig.scene().countdown;

    press(rig, Action::Pause);
    EXPECT_TRUE(rig.scene().paused);
    rig.input.cursor = {300.0, 120.0}; // the mouse moves meanwhile
    // Ten seconds: more than the 501 updates after which a coin would jump.
    rig.frames(600);
    EXPECT_TRUE(rig.scene().paused);
    EXPECT_TRUE(FrozenState(rig) == before);
    EXPECT_EQ(rig.scene().deltaTime, 0.0f) << "the counter spheres must not turn";
    EXPECT_EQ(rig.scene().coins, coinsDrawn);
    ASSERT_TRUE(rig.scene().countdown.has_value());
    EXPECT_EQ(rig.scene().countdown->text, countdown->text);
    EXPECT_EQ(rig.scene().countdown->pulse, countdown->pulse);

    press(rig, Action::Pause);
    EXPECT_FALSE(rig.scene().paused);
    EXPECT_FLOAT_EQ(rig.scene().deltaTime, 1.0f / 60.0f);
    EXPECT_FLOAT_EQ(rig.state().gameTimer, before.gameTimer + 1.0f / 60.0f);
    EXPECT_EQ(rig.camera().cameraYaw, yaw) << "the cursor moved while paused must not swing the camera";
}

TEST(FramePause, OnlyPauseFullscreenAndScreenshotActWhilePaused)
{
    RulesRig rig;
    clearTheField(rig);
    rig.frames(70);
    press(rig, Action::Pause);
    const glm::vec3 where = rig.player().playerPosition;
    const float groundAmbient = rig.scene().groundAmbient;
    rig.input.keys = {Action::Forward, Action::Right, Action::Jump, Action::Restart, Action::Brighter, Action::Mute};
    rig.input.pad.axes[static_cast<std::size_t>(PadAxis::RightTrigger)] = 1.0f;
    rig.rules.zoom(10.0);
    for (int i = 0; i < 30; ++i) {
        rig.frames(1);
        EXPECT_TRUE(rig.events().empty()) << i;
        EXPECT_FALSE(rig.scene().muteToggled) << i;
        EXPECT_EQ(rig.scene().groundAmbient, groundAmbient);
    }
    EXPECT_EQ(rig.player().playerPosition, where);
    EXPECT_EQ(rig.player().playerDirection, glm::vec3(0.0f, 0.0f, -1.0f));
    EXPECT_EQ(rig.camera().fieldOfView, 60.0f);

    rig.input.keys = {Action::Fullscreen, Action::Screenshot};
    rig.frames(1);
    EXPECT_TRUE(rig.scene().fullscreenRequested);
    EXPECT_TRUE(rig.scene().screenshotRequested);
    rig.frames(1);
    EXPECT_FALSE(rig.scene().screenshotRequested) << "once per press";
}

TEST(FramePause, LosingTheFocusPausesAndOnlyAPressWithTheFocusBackResumes)
{
    RulesRig rig;
    rig.frames(5);
    rig.input.focused = false;
    rig.frames(1);
    EXPECT_TRUE(rig.scene().paused);
    press(rig, Action::Pause);
    EXPECT_TRUE(rig.scene().paused) << "a pad's Start from another window";
    rig.input.focused = true;
    rig.frames(10);
    EXPECT_TRUE(rig.scene().paused);
    rig.input.pad.buttons[static_cast<std::size_t>(PadButton::Start)] = true;
    rig.frames(1);
    EXPECT_FALSE(rig.scene().paused);
}

// The pad plays beside the keyboard, at the keys' speeds.
TEST(FramePad, AFullStickWalksLikeTheKeyAndTheDeadZoneStandsStill)
{
    const auto walkedWith = [](float leftY, std::set<Action> keys = {}) {
        RulesRig rig;
        clearTheField(rig);
        rig.input.pad.axes[static_cast<std::size_t>(PadAxis::LeftY)] = leftY;
        rig.input.keys = std::move(keys);
        rig.frames(61);
        return 20.0f - rig.player().playerPosition.z;
    };
    EXPECT_NEAR(walkedWith(-1.0f), 15.0f, 1e-3f);
    EXPECT_NEAR(walkedWith(-0.6f), 7.5f, 1e-3f); // half way from the dead zone to the stop
    EXPECT_EQ(walkedWith(-0.19f), 0.0f);
    EXPECT_NEAR(walkedWith(1.0f), -15.0f, 1e-3f);
    // Key forward and stick back together: the two steps cancel.
    EXPECT_NEAR(walkedWith(1.0f, {Action::Forward}), 0.0f, 1e-3f);

    RulesRig dpad;
    clearTheField(dpad);
    dpad.input.pad.buttons[static_cast<std::size_t>(PadButton::DpadRight)] = true;
    dpad.frames(91);
    EXPECT_NEAR(dpad.player().playerDirection.x, 1.0f, 1e-3f);
}

TEST(FramePad, ButtonsJumpDismissAndRestartAndTheRightSideMovesTheCamera)
{
    RulesRig rig;
    clearTheField(rig);
    rig.frames(70);
    rig.input.pad.buttons[static_cast<std::size_t>(PadButton::A)] = true;
    rig.frames(1);
    EXPECT_THAT(rig.events(), ElementsAre("jump"));
    rig.input.pad = {};
    rig.frames(60);
    rig.state().gameTimer = 75.0f;
    rig.frames(1); // the time-up picture is up and holds the figure
    // B lets the figure walk on under the picture, as F does.
    rig.input.pad.buttons[static_cast<std::size_t>(PadButton::B)] = true;
    rig.input.pad.axes[static_cast<std::size_t>(PadAxis::LeftY)] = -1.0f;
    const float z = rig.player().playerPosition.z;
    rig.frames(10);
    EXPECT_LT(rig.player().playerPosition.z, z - 2.0f);
    rig.input.pad = {};
    rig.input.pad.buttons[static_cast<std::size_t>(PadButton::Back)] = true;
    rig.frames(1);
    EXPECT_THAT(rig.events(), ElementsAre("restart"));
    EXPECT_EQ(rig.coins().collected, 0);

    rig.input.pad = {};
    rig.input.pad.axes[static_cast<std::size_t>(PadAxis::RightX)] = 1.0f;
    rig.input.pad.axes[static_cast<std::size_t>(PadAxis::RightTrigger)] = 1.0f;
    const float yaw = rig.camera().cameraYaw;
    rig.frames(60);
    EXPECT_NEAR(rig.camera().cameraYaw - yaw, padOrbitRadiansPerSecond, 1e-4f);
    EXPECT_NEAR(rig.camera().fieldOfView, 60.0f - padZoomDegreesPerSecond, 1e-3f);
    rig.input.pad.axes[static_cast<std::size_t>(PadAxis::RightY)] = 1.0f;
    rig.frames(120);
    EXPECT_EQ(rig.camera().cameraPitch, pitchLimitClamp);
}

TEST(FramePad, NaNFromABrokenDriverLeavesTheCameraStill)
{
    RulesRig broken;
    for (const PadAxis axis : {PadAxis::RightX, PadAxis::RightY, PadAxis::LeftTrigger, PadAxis::RightTrigger}) {
        broken.input.pad.axes[static_cast<std::size_t>(axis)] = std::numeric_limits<float>::quiet_NaN();
    }
    RulesRig still;
    broken.frames(10);
    still.frames(10);
    EXPECT_EQ(broken.scene().view.viewMatrix, still.scene().view.viewMatrix);
    EXPECT_EQ(broken.scene().view.projectionMatrix, still.scene().view.projectionMatrix);
}

// The time left as the player reads it.
TEST(FrameCountdown, WholeSecondsThenTenthsInTheWarningColourThenZero)
{
    const auto shown = [](float gameTimer) { return countdownDisplay(gameTimer, meadow().timeLimitSeconds).text; };
    EXPECT_EQ(shown(0.0f), "70");
    EXPECT_EQ(shown(0.99f), "70");
    EXPECT_EQ(shown(1.0f), "69");
    EXPECT_EQ(shown(59.5f), "11");
    EXPECT_EQ(shown(60.0f), "10.0");
    EXPECT_EQ(shown(65.32f), "4.7");
    EXPECT_EQ(shown(69.95f), "0.1");
    EXPECT_EQ(shown(70.0f), "0");
    EXPECT_EQ(shown(95.0f), "0");
    EXPECT_FALSE(countdownDisplay(59.9f, meadow().timeLimitSeconds).warning);
    EXPECT_TRUE(countdownDisplay(60.0f, meadow().timeLimitSeconds).warning);
    EXPECT_NE(countdownDisplay(65.0f, meadow().timeLimitSeconds).pulse, countdownDisplay(65.5f, meadow().timeLimitSeconds).pulse);

    RulesRig rig;
    clearTheField(rig);
    rig.frames(61);
    ASSERT_TRUE(rig.scene().countdown.has_value());
    EXPECT_EQ(rig.scene().countdown->text, "69");
    rig.state().gameTimer = 69.99f;
    rig.frames(1);
    EXPECT_FALSE(rig.scene().countdown.has_value()) << "hidden behind the time-up picture";
}

TEST(FrameWinTime, TheWinShowsItsTimeAgainstTheBestUntilARestart)
{
    const auto winAt = [](RulesRig& rig, float gameTimer) {
        clearTheField(rig);
        rig.frames(1);
        rig.state().gameTimer = gameTimer;
        rig.coins().collected = meadow().coinsToWin - 1;
        rig.coins().placeCoin(0, rig.player().playerPosition);
        rig.frames(1);
    };
    RulesRig first;
    winAt(first, 41.2f); // plus the win frame's 1/60 s
    ASSERT_TRUE(first.scene().has(FrameEventKind::Won));
    ASSERT_TRUE(first.scene().winTime.has_value());
    EXPECT_EQ(first.scene().winTime->runTenths, 412);
    EXPECT_EQ(first.scene().winTime->bestTenths, 412);
    EXPECT_TRUE(first.scene().winTime->newBest) << "the first win is the best";

    RulesRig slower;
    slower.rules.setBestTime(300);
    winAt(slower, 31.6f);
    ASSERT_TRUE(slower.scene().winTime.has_value());
    EXPECT_EQ(slower.scene().winTime->runTenths, 316);
    EXPECT_EQ(slower.scene().winTime->bestTenths, 300);
    EXPECT_FALSE(slower.scene().winTime->newBest);
    slower.frames(5);
    EXPECT_TRUE(slower.scene().winTime.has_value()) << "as long as the win picture is up";

    press(slower, Action::Restart);
    slower.frames(1);
    EXPECT_FALSE(slower.scene().winTime.has_value());
    winAt(slower, 29.0f);
    EXPECT_TRUE(slower.scene().winTime->newBest);
    EXPECT_EQ(slower.scene().winTime->bestTenths, 290);

    RulesRig tie;
    tie.rules.setBestTime(300);
    winAt(tie, 29.98f); // 30.0 s with the win frame's step
    ASSERT_TRUE(tie.scene().winTime.has_value());
    EXPECT_EQ(tie.scene().winTime->runTenths, 300);
    EXPECT_FALSE(tie.scene().winTime->newBest) << "equalling the best is no new best";
}

} // namespace
} // namespace tavernrush

namespace tavernrush {
namespace {

// Another level's numbers, not the meadow's: the rules take every one from
// the level, and a win records the run's time, not what the countdown shows.
TEST(FrameLevelRules, AnotherLevelsLimitCountsAndWinTimeComeFromItsFile)
{
    LevelDescription level = meadow();
    level.timeLimitSeconds = 30.0f;
    level.coinsToWin = 2;
    level.beersToLose = 1;
    level.coins.count = 5;
    level.playerStart = glm::vec3(7.0f, 0.0f, 9.0f);

    RulesRig rig(1.0 / 60.0, 1.0f, {}, level);
    EXPECT_EQ(rig.player().playerPosition, level.playerStart);
    EXPECT_EQ(rig.coins().positions().size(), 5u);
    clearTheField(rig);
    rig.frames(1);
    ASSERT_TRUE(rig.scene().countdown.has_value());
    EXPECT_EQ(rig.scene().countdown->text, "30");

    rig.state().gameTimer = 12.3f;
    rig.coins().collected = 1;
    rig.coins().placeCoin(0, rig.player().playerPosition);
    rig.frames(1);
    ASSERT_TRUE(rig.scene().has(FrameEventKind::Won));
    EXPECT_EQ(rig.scene().winTime->runTenths, 123);

    RulesRig thirsty(1.0 / 60.0, 1.0f, {}, level);
    clearTheField(thirsty);
    thirsty.frames(1);
    thirsty.beers().collected = 1;
    thirsty.frames(1);
    EXPECT_THAT(thirsty.pictures(), ElementsAre("drunkScreen"));

    RulesRig late(1.0 / 60.0, 1.0f, {}, level);
    clearTheField(late);
    late.frames(1);
    late.state().gameTimer = 29.99f;
    late.frames(1);
    EXPECT_TRUE(late.scene().has(FrameEventKind::TimeUp));
}

} // namespace
} // namespace tavernrush

namespace tavernrush {
namespace {

using testing::RulesRig;

std::optional<glm::mat4> ghostItem(const FrameScene& scene)
{
    for (const DrawItem& item : scene.items) {
        if (item.what == Drawable::Ghost) {
            return item.model;
        }
    }
    return std::nullopt;
}

TEST(FrameGhost, TheBestRunWalksWithTheTimerIsDrawnLastAndGTogglesIt)
{
    RulesRig rig(0.1);
    // Ten units east per second, facing east from the second second on.
    rig.rules.setGhost(GhostRun({{0.0f, glm::vec3(0.0f), 0.0f}, {2.0f, glm::vec3(20.0f, 0.0f, 0.0f), -1.5707964f}}),
                       true);
    rig.frames(11); // the timer: 0, 0.1, ... 1.0
    const std::optional<glm::mat4> ghost = ghostItem(rig.scene());
    ASSERT_TRUE(ghost);
    EXPECT_EQ(rig.scene().items.back().what, Drawable::Ghost);
    EXPECT_NEAR((*ghost)[3].x, 10.0f * rig.state().gameTimer, 1e-4f);
    EXPECT_NEAR((*ghost)[3].x, 10.0f, 1e-3f);
    // Between two samples it keeps the heading of the one before.
    EXPECT_NEAR((*ghost)[0].x, 1.0f, 1e-6f);

    rig.frames(20); // past the last sample: it waits at the finish, turned
    EXPECT_NEAR((*ghostItem(rig.scene()))[3].x, 20.0f, 1e-5f);
    EXPECT_NEAR((*ghostItem(rig.scene()))[0].z, 1.0f, 1e-6f);

    rig.input.keys.insert(Action::Ghost);
    rig.frames(3);
    EXPECT_FALSE(ghostItem(rig.scene())) << "G hides it, holding it does not flip it back";
    rig.input.keys.erase(Action::Ghost);
    rig.frames(1);
    rig.input.keys.insert(Action::Ghost);
    rig.frames(1);
    EXPECT_TRUE(ghostItem(rig.scene()));

    RulesRig none;
    none.frames(2);
    EXPECT_FALSE(ghostItem(none.scene())) << "no best run, no ghost";
}

} // namespace
} // namespace tavernrush
