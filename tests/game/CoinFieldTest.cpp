// Rules of the coin field: layout, the one-coin pickup pass, fall,
// relocation by call count, respawn and spin.

#include "game/CoinField.h"

#include "GameTestSupport.h"
#include "support/MeadowLevel.h"

#include <cmath>
#include <gtest/gtest.h>

namespace tavernrush {
namespace {

const PickupFieldDescription& fieldOfMeadow() { return testing::meadow().coins; }

const glm::vec3 farAway(0.0f, 500.0f, 0.0f);
// Coins 17 and up are never chosen by the periodic relocation.
constexpr std::size_t quietCoin = 30;

TEST(CoinFieldTest, StartsWithTheSeededLayoutInTheAir)
{
    const CoinField field(fieldOfMeadow());
    ASSERT_EQ(field.positions().size(), static_cast<std::size_t>(fieldOfMeadow().count));
    expectNear(field.positions()[0], {-25.8147f, 14.2129f, 32.9768f}, fourDecimals);
    expectNear(field.positions()[39], {-84.1536f, 17.9573f, -42.2560f}, fourDecimals);
    for (const glm::vec3& position : field.positions()) {
        EXPECT_GE(position.y, 1.0f);
        EXPECT_LE(position.y, 20.0f);
    }
    EXPECT_EQ(field.collected, 0);
}

TEST(CoinFieldTest, ConstructionMatrixStandsTheCoinOnItsEdge)
{
    // The coin's axis (local y) ends up horizontal along +z.
    const glm::vec4 axis = CoinField::constructionMatrix() * glm::vec4(0.0f, 1.0f, 0.0f, 0.0f);
    expectNear(glm::vec3(axis), {0.0f, 0.0f, 1.0f}, 1e-6f);
}

TEST(CoinFieldTest, DrawsEveryCoinStandingAndSpinning)
{
    CoinField field(fieldOfMeadow());
    field.update(0.9f); // 90 degrees of spin
    RecordingItemDrawer drawer;
    EXPECT_FALSE(field.drawAndCollect(farAway, drawer));

    ASSERT_EQ(drawer.drawn.size(), 40u);
    for (std::size_t i = 0; i < 40; ++i) {
        expectNear(drawer.drawnPosition(i), field.positions()[i], 1e-4f);
        // Stood on edge (axis along z), then a quarter turn about y: along x.
        const glm::vec4 axis = drawer.drawn[i] * glm::vec4(0.0f, 1.0f, 0.0f, 0.0f);
        expectNear(glm::vec3(axis), {1.0f, 0.0f, 0.0f}, 1e-5f);
    }
}

TEST(CoinFieldTest, PickupNeedsToBeStrictlyCloserThanTheRadius)
{
    CoinField field(fieldOfMeadow());
    RecordingItemDrawer drawer;
    field.placeCoin(quietCoin, {40.0f, 1.0f, 40.0f});

    EXPECT_FALSE(field.drawAndCollect({40.0f, 2.5f, 40.0f}, drawer));
    // Distance is measured in 3D: standing right below a coin is not enough.
    EXPECT_FALSE(field.drawAndCollect({40.0f, -1.0f, 40.0f}, drawer));
    EXPECT_EQ(field.collected, 0);

    EXPECT_TRUE(field.drawAndCollect({40.0f, std::nextafter(2.5f, 0.0f), 40.0f}, drawer));
    EXPECT_EQ(field.collected, 1);
}

TEST(CoinFieldTest, TakesOneCoinPerCallAndStopsDrawingThere)
{
    CoinField field(fieldOfMeadow());
    const glm::vec3 player(40.0f, 1.0f, 40.0f);
    field.placeCoin(5, player + glm::vec3(0.3f, 0.0f, 0.0f));
    field.placeCoin(7, player - glm::vec3(0.0f, 0.0f, 0.3f));

    RecordingItemDrawer first;
    EXPECT_TRUE(field.drawAndCollect(player, first));
    EXPECT_EQ(field.collected, 1);
    EXPECT_EQ(first.drawn.size(), 5u); // coins 0 to 4; the taken coin and the rest wait
    EXPECT_GE(glm::distance(field.positions()[5], player), fieldOfMeadow().reach);
    EXPECT_LT(glm::distance(field.positions()[7], player), fieldOfMeadow().reach);

    RecordingItemDrawer second;
    EXPECT_TRUE(field.drawAndCollect(player, second));
    EXPECT_EQ(field.collected, 2);
    EXPECT_EQ(second.drawn.size(), 7u);

    RecordingItemDrawer third;
    EXPECT_FALSE(field.drawAndCollect(player, third));
    EXPECT_EQ(field.collected, 2);
    EXPECT_EQ(third.drawn.size(), 40u);
}

TEST(CoinFieldTest, RespawnsInTheAirAndNeverAtThePreviousPlace)
{
    CoinField field(fieldOfMeadow());
    RecordingItemDrawer drawer;
    glm::vec3 previousLanding = field.positions()[quietCoin];
    for (int pickup = 1; pickup <= 20; ++pickup) {
        ASSERT_TRUE(field.drawAndCollect(field.positions()[quietCoin], drawer));
        ASSERT_EQ(field.collected, pickup);
        const glm::vec3 landing = field.positions()[quietCoin];
        EXPECT_NE(landing, previousLanding) << "pickup " << pickup;
        EXPECT_LE(std::abs(landing.x), 101.0f);
        EXPECT_LE(std::abs(landing.z), 101.0f);
        EXPECT_GE(landing.y, 1.0f);
        EXPECT_LE(landing.y, 20.0f);
        previousLanding = landing;
    }
}

TEST(CoinFieldTest, PlayerStandingStillTakesTheSameCoinOnlyOnce)
{
    CoinField field(fieldOfMeadow());
    RecordingItemDrawer drawer;
    ASSERT_TRUE(field.drawAndCollect(field.positions()[quietCoin], drawer));
    const glm::vec3 landing = field.positions()[quietCoin];
    for (int frame = 0; frame < 120; ++frame) {
        field.drawAndCollect(landing, drawer);
    }
    EXPECT_EQ(field.collected, 2);
}

TEST(CoinFieldTest, FallsDiagonallyUntilHeightOneThenRests)
{
    CoinField field(fieldOfMeadow());
    // Two coins of the same drift group, one resting at exactly 1, one above.
    field.placeCoin(quietCoin, {10.0f, 1.0f, 10.0f});
    field.placeCoin(quietCoin + 1, {10.0f, 7.65f, 10.0f});

    constexpr float frame = 0.1f;
    int calls = 0;
    while (field.positions()[quietCoin + 1].y > 1.0f) {
        field.update(frame);
        ++calls;
        const glm::vec3 resting = field.positions()[quietCoin];
        const glm::vec3 falling = field.positions()[quietCoin + 1];
        EXPECT_EQ(resting.y, 1.0f);
        // The fall is the only difference between the two: 7 units/s per axis.
        const float fallen = 7.0f * frame * static_cast<float>(calls);
        EXPECT_NEAR(resting.x - falling.x, fallen, 1e-3f);
        EXPECT_NEAR(resting.z - falling.z, fallen, 1e-3f);
        ASSERT_LT(calls, 20);
    }
    EXPECT_EQ(calls, 10); // 1.35 after nine calls, 0.65 after the tenth
    const float restingHeight = field.positions()[quietCoin + 1].y;
    EXPECT_GT(restingHeight, 1.0f - 7.0f * frame);

    field.update(frame);
    EXPECT_EQ(field.positions()[quietCoin + 1].y, restingHeight);
}

TEST(CoinFieldTest, RelocatesOnTheFiveHundredFirstCallWhateverTheTime)
{
    CoinField field(fieldOfMeadow());
    // No time passes: the relocation counts calls, not seconds.
    for (int call = 1; call <= 500; ++call) {
        field.update(0.0f);
    }
    EXPECT_EQ(field.relocateTimer(), 500.0f);
    EXPECT_EQ(field.speedX(), 2.0f);
    const std::vector<glm::vec3> before = field.positions();

    // It continues the field's own sequence after the 120 layout draws.
    RandomEngine reference{345u};
    reference.discard(120);
    const auto index = static_cast<std::size_t>(uniformDraw(reference, 0.0f, 16.0f));
    const float x = uniformDraw(reference, -100.0f, 100.0f);
    const float y = uniformDraw(reference, 1.0f, 20.0f);
    const float z = uniformDraw(reference, -100.0f, 100.0f);
    const float speedX = uniformDraw(reference, 1.0f, 4.0f);
    const float speedZ = uniformDraw(reference, 1.0f, 4.0f);
    const float directionX = uniformDraw(reference, -1.0f, 1.0f);
    const float directionZ = uniformDraw(reference, -1.0f, 1.0f);

    field.update(0.0f);
    EXPECT_EQ(field.relocateTimer(), 0.0f);
    EXPECT_EQ(field.positions()[index], glm::vec3(x, y, z));
    EXPECT_EQ(field.speedX(), speedX);
    EXPECT_EQ(field.speedZ(), speedZ);
    EXPECT_EQ(field.directionX(), directionX);
    EXPECT_EQ(field.directionZ(), directionZ);
    for (std::size_t i = 0; i < 40; ++i) {
        if (i != index) {
            EXPECT_EQ(field.positions()[i], before[i]);
        }
    }
}

TEST(CoinFieldTest, DriftsTwentyCoinsEachWay)
{
    CoinField field(fieldOfMeadow());
    for (std::size_t i = 0; i < 40; ++i) {
        field.placeCoin(i, {static_cast<float>(i), 1.0f, 0.0f}); // resting: no fall
    }
    field.update(0.5f);
    const glm::vec3 step(1.0f, 0.0f, 2.0f); // direction (1, -1) x speed (2, -4) x 0.5 s
    for (std::size_t i = 0; i < 40; ++i) {
        const glm::vec3 start(static_cast<float>(i), 1.0f, 0.0f);
        expectNear(field.positions()[i], i < 20 ? start + step : start - step, 1e-5f);
    }
}

TEST(CoinFieldTest, SpinWrapsAtAFullTurn)
{
    CoinField field(fieldOfMeadow());
    field.update(3.0f);
    field.update(0.9f);
    EXPECT_NEAR(field.spinAngle(), 30.0f, 1e-3f); // 390 degrees
}

} // namespace
} // namespace tavernrush
