// Rules of the beer field: layout, pickups, relocation, drift, spin.

#include "game/BeerField.h"

#include "GameTestSupport.h"
#include "support/MeadowLevel.h"

#include <cmath>
#include <gtest/gtest.h>

namespace tavernrush {
namespace {

const PickupFieldDescription& fieldOfMeadow() { return testing::meadow().beers; }

// Far from every beer of the seeded layout and from every respawn.
const glm::vec3 farAway(0.0f, 500.0f, 0.0f);

TEST(BeerFieldTest, StartsWithTheSeededLayout)
{
    const BeerField field(fieldOfMeadow());
    ASSERT_EQ(field.positions().size(), static_cast<std::size_t>(fieldOfMeadow().count));
    expectNear(field.positions()[0], {80.5738f, 0.5f, -1.0541f}, fourDecimals);
    expectNear(field.positions()[1], {-49.2215f, 0.5f, -63.2594f}, fourDecimals);
    expectNear(field.positions()[24], {-8.9848f, 0.5f, 12.1923f}, fourDecimals);
    EXPECT_EQ(field.collected, 0);
}

TEST(BeerFieldTest, DrawsEveryBeerInListOrderWithItsSpin)
{
    BeerField field(fieldOfMeadow());
    field.update(0.9f); // 90 degrees of spin
    RecordingItemDrawer drawer;
    field.drawAndCollect(farAway, drawer);

    ASSERT_EQ(drawer.drawn.size(), 25u);
    for (std::size_t i = 0; i < 25; ++i) {
        expectNear(drawer.drawnPosition(i), field.positions()[i], 1e-4f);
        // A quarter turn about y carries the beer's local x axis onto -z.
        const glm::vec4 localX = drawer.drawn[i] * glm::vec4(1.0f, 0.0f, 0.0f, 0.0f);
        expectNear(glm::vec3(localX), {0.0f, 0.0f, -1.0f}, 1e-5f);
    }
    EXPECT_EQ(field.collected, 0);
}

TEST(BeerFieldTest, PickupNeedsToBeStrictlyCloserThanTheRadius)
{
    BeerField field(fieldOfMeadow());
    RecordingItemDrawer drawer;
    const glm::vec3 beer = field.positions()[3];

    // Straight above the beer the distance is exactly 2.0 - 0.5 = 1.5.
    field.drawAndCollect(beer + glm::vec3(0.0f, 1.5f, 0.0f), drawer);
    EXPECT_EQ(field.collected, 0);
    EXPECT_EQ(field.positions()[3], beer);

    field.drawAndCollect({beer.x, std::nextafter(2.0f, 0.0f), beer.z}, drawer);
    EXPECT_EQ(field.collected, 1);
    EXPECT_NE(field.positions()[3], beer);
}

TEST(BeerFieldTest, TakesEveryBeerInReachAndDrawsThemAtTheirNewPlaces)
{
    BeerField field(fieldOfMeadow());
    const glm::vec3 player(30.0f, 0.5f, 30.0f);
    field.placeBeer(5, player + glm::vec3(0.5f, 0.0f, 0.0f));
    field.placeBeer(7, player - glm::vec3(0.0f, 0.0f, 0.5f));

    RecordingItemDrawer drawer;
    field.drawAndCollect(player, drawer);

    EXPECT_EQ(field.collected, 2);
    ASSERT_EQ(drawer.drawn.size(), 25u);
    for (std::size_t i : {5u, 7u}) {
        const glm::vec3 moved = field.positions()[i];
        EXPECT_GE(glm::distance(moved, player), fieldOfMeadow().reach);
        EXPECT_EQ(moved.y, 0.5f);
        EXPECT_LE(std::abs(moved.x), 102.0f);
        EXPECT_LE(std::abs(moved.z), 102.0f);
        expectNear(drawer.drawnPosition(i), moved, 1e-4f);
    }
    // They no longer end up inside each other.
    EXPECT_NE(field.positions()[5], field.positions()[7]);
}

TEST(BeerFieldTest, RespawnNeverRepeatsThePreviousPlace)
{
    BeerField field(fieldOfMeadow());
    RecordingItemDrawer drawer;
    glm::vec3 previousLanding = field.positions()[0];
    for (int pickup = 1; pickup <= 20; ++pickup) {
        // Chase beer 0 wherever it was put back and take it again.
        field.drawAndCollect(field.positions()[0], drawer);
        ASSERT_EQ(field.collected, pickup);
        EXPECT_NE(field.positions()[0], previousLanding) << "pickup " << pickup;
        previousLanding = field.positions()[0];
    }
}

TEST(BeerFieldTest, PlayerStandingStillDrinksTheSameBeerOnlyOnce)
{
    BeerField field(fieldOfMeadow());
    RecordingItemDrawer drawer;
    // Stand where the first collected beer lands; before the respawn fix
    // every later pickup landed there too and was drunk again every frame.
    field.drawAndCollect(field.positions()[10], drawer);
    ASSERT_EQ(field.collected, 1);
    const glm::vec3 landing = field.positions()[10];

    for (int frame = 0; frame < 120; ++frame) {
        field.drawAndCollect(landing, drawer);
    }
    EXPECT_EQ(field.collected, 2);
}

TEST(BeerFieldTest, RelocatesOneBeerOnlyAfterMoreThanTenSeconds)
{
    BeerField field(fieldOfMeadow());
    field.update(4.0f);
    field.update(4.0f);
    field.update(2.0f);
    // Exactly 10 s accumulated: not yet.
    EXPECT_EQ(field.relocateTimer(), 10.0f);
    EXPECT_EQ(field.speedX(), 2.0f);

    // The relocation continues the field's own sequence after the 50 layout
    // draws: index, x, z, then the new speeds and directions.
    RandomEngine reference{200u};
    reference.discard(50);
    const auto index = static_cast<std::size_t>(uniformDraw(reference, 0.0f, 16.0f));
    const float x = uniformDraw(reference, -100.0f, 100.0f);
    const float z = uniformDraw(reference, -100.0f, 100.0f);
    const float speedX = uniformDraw(reference, 1.0f, 4.0f);
    const float speedZ = uniformDraw(reference, 1.0f, 4.0f);
    const float directionX = uniformDraw(reference, -1.0f, 1.0f);
    const float directionZ = uniformDraw(reference, -1.0f, 1.0f);

    constexpr float step = 0.001f;
    field.update(step);
    EXPECT_EQ(field.relocateTimer(), 0.0f);
    EXPECT_EQ(field.speedX(), speedX);
    EXPECT_EQ(field.speedZ(), speedZ);
    EXPECT_EQ(field.directionX(), directionX);
    EXPECT_EQ(field.directionZ(), directionZ);
    // The drift of the same call moves it by at most 4 units/s.
    expectNear(field.positions()[index], {x, 0.5f, z}, 4.0f * step + 1e-5f);

    // The excess over 10 s was dropped: the next jump needs another full interval.
    field.update(10.0f);
    EXPECT_EQ(field.speedX(), speedX);
    field.update(step);
    EXPECT_NE(field.speedX(), speedX);
    EXPECT_EQ(field.relocateTimer(), 0.0f);
}

TEST(BeerFieldTest, DriftsTwelveBeersOneWayAndThirteenTheOther)
{
    BeerField field(fieldOfMeadow());
    const std::vector<glm::vec3> before = field.positions();
    field.update(0.5f);
    // direction (1, -1) times speed (2, -4) times 0.5 s.
    const glm::vec3 step(1.0f, 0.0f, 2.0f);
    for (std::size_t i = 0; i < 25; ++i) {
        const glm::vec3 expected = i < 12 ? before[i] + step : before[i] - step;
        expectNear(field.positions()[i], expected, 1e-4f);
    }
}

TEST(BeerFieldTest, SpinStaysWithinOneTurnOverLongSessions)
{
    BeerField field(fieldOfMeadow());
    constexpr float frame = 1.0f / 60.0f;
    for (int i = 0; i < 60 * 60 * 60; ++i) { // one hour at 60 calls per second
        field.update(frame);
        ASSERT_GE(field.spinAngle(), 0.0f);
        ASSERT_LT(field.spinAngle(), 360.0f);
    }
    // After an hour one call still turns the beers by a full step.
    const float before = field.spinAngle();
    field.update(frame);
    const float turned = std::fmod(field.spinAngle() - before + 360.0f, 360.0f);
    EXPECT_NEAR(turned, 100.0f * frame, 1e-4f);
}

} // namespace
} // namespace tavernrush
