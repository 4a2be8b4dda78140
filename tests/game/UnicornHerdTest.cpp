// Placement and drift of the unicorn herd.

#include "game/UnicornHerd.h"

#include "GameTestSupport.h"
#include "support/MeadowLevel.h"

#include <gtest/gtest.h>

namespace tavernrush {
namespace {

std::vector<glm::vec3> meadowHerd()
{
    return placeUnicorns(testing::meadow().unicornCount, testing::meadow().unicornSeed);
}

std::vector<glm::vec3> drift(std::vector<glm::vec3> herd, float deltaTime)
{
    return driftUnicorns(std::move(herd), deltaTime, testing::meadow().unicornSeed);
}

const std::vector<glm::vec3> expectedStart = {
    {-55.9109f, 0.5f, -9.7755f}, {8.4063f, 0.5f, -55.7955f}, {-67.6225f, 0.5f, -26.1837f},
    {-36.5741f, 0.0f, -41.8449f}, {40.0749f, 0.0f, -51.7844f}, {-15.5156f, 0.0f, 56.4093f},
    {98.6806f, 0.0f, 62.2189f}, {57.3068f, 0.0f, -19.8419f}, {80.8651f, 0.0f, -94.8002f},
};
const std::vector<float> expectedSpeedsPerSecond = {
    -0.391f, -2.2364f, -2.2318f, 0.3363f, -1.0473f, -2.7049f, -1.6738f, -1.463f, -2.0714f,
};

TEST(UnicornHerdTest, PlacesTheNineSeededUnicorns)
{
    const std::vector<glm::vec3> herd = meadowHerd();
    ASSERT_EQ(herd.size(), 9u);
    for (std::size_t i = 0; i < 9; ++i) {
        EXPECT_NEAR(herd[i].x, expectedStart[i].x, fourDecimals) << "unicorn " << i;
        EXPECT_EQ(herd[i].y, expectedStart[i].y) << "unicorn " << i;
        EXPECT_NEAR(herd[i].z, expectedStart[i].z, fourDecimals) << "unicorn " << i;
    }
    // Placement uses its own engine: doing it again gives the same herd.
    EXPECT_EQ(meadowHerd(), herd);
}

TEST(UnicornHerdTest, EachUnicornKeepsItsOwnSpeedAlongX)
{
    const std::vector<glm::vec3> origin(9, glm::vec3(0.0f, 0.5f, 3.0f));
    for (int call = 0; call < 3; ++call) {
        const std::vector<glm::vec3> moved = drift(origin, 1.0f);
        ASSERT_EQ(moved.size(), 9u);
        for (std::size_t i = 0; i < 9; ++i) {
            EXPECT_NEAR(moved[i].x, expectedSpeedsPerSecond[i], fourDecimals) << "unicorn " << i;
            EXPECT_EQ(moved[i].y, 0.5f);
            EXPECT_EQ(moved[i].z, 3.0f);
        }
    }
}

TEST(UnicornHerdTest, TenSecondsOfPlayMoveTheFirstUnicornToAboutMinus59Point82)
{
    std::vector<glm::vec3> herd = meadowHerd();
    for (int frame = 0; frame < 600; ++frame) {
        herd = drift(herd, 1.0f / 60.0f);
    }
    EXPECT_NEAR(herd[0].x, -59.82f, 0.005f);
    for (std::size_t i = 0; i < 9; ++i) {
        EXPECT_EQ(herd[i].y, expectedStart[i].y);
        EXPECT_NEAR(herd[i].z, expectedStart[i].z, fourDecimals);
    }
}

TEST(UnicornHerdTest, AListOfAnyLengthTakesTheDrawsInOrder)
{
    const std::vector<glm::vec3> three = drift(std::vector<glm::vec3>(3), 1.0f);
    ASSERT_EQ(three.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_NEAR(three[i].x, expectedSpeedsPerSecond[i], fourDecimals);
    }
    const std::vector<glm::vec3> twelve = drift(std::vector<glm::vec3>(12), 1.0f);
    ASSERT_EQ(twelve.size(), 12u);
    for (std::size_t i = 0; i < 9; ++i) {
        EXPECT_NEAR(twelve[i].x, expectedSpeedsPerSecond[i], fourDecimals);
    }
    EXPECT_TRUE(drift({}, 1.0f).empty());
}

} // namespace
} // namespace tavernrush
