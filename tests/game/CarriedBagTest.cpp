// Where the carried bag sits on the figure and how it turns.

#include "game/CarriedBag.h"

#include "GameTestSupport.h"

#include <cmath>
#include <glm/gtc/matrix_transform.hpp>
#include <gtest/gtest.h>

namespace tavernrush {
namespace {

glm::vec3 origin(const glm::mat4& m) { return glm::vec3(m[3]); }
glm::vec3 localX(const glm::mat4& m) { return glm::vec3(m * glm::vec4(1.0f, 0.0f, 0.0f, 0.0f)); }

TEST(CarriedBagTest, SitsOnTheFigureShoulderTiltedFortyFiveDegrees)
{
    const glm::mat4 base = carriedBagTransform(glm::mat4(1.0f));
    expectNear(origin(base), {0.0f, 3.5f, 0.5f}, 1e-6f);
    const float half = std::sqrt(0.5f);
    expectNear(localX(base), {half, half, 0.0f}, 1e-6f);
    expectNear(glm::vec3(base * glm::vec4(0.0f, 0.0f, 1.0f, 0.0f)), {0.0f, 0.0f, 1.0f}, 1e-6f);
}

TEST(CarriedBagTest, FollowsTheFigureWhereverItStandsAndFaces)
{
    // Figure at (10, 0, -5), turned a quarter turn about y: its local
    // (0, 3.5, 0.5) lands at (10.5, 3.5, -5) in the world.
    const glm::mat4 player = glm::rotate(glm::translate(glm::mat4(1.0f), glm::vec3(10.0f, 0.0f, -5.0f)),
                                         glm::radians(90.0f), glm::vec3(0.0f, 1.0f, 0.0f));
    const CarriedBag bag;
    expectNear(origin(bag.modelMatrix(player)), {10.5f, 3.5f, -5.0f}, 1e-5f);
    // The bag turns about the figure's z axis, which now points along world x.
    expectNear(glm::vec3(bag.modelMatrix(player) * glm::vec4(0.0f, 0.0f, 1.0f, 0.0f)), {1.0f, 0.0f, 0.0f},
               1e-5f);
}

TEST(CarriedBagTest, SpinAddsToTheTiltAtOneHundredDegreesPerSecond)
{
    CarriedBag bag;
    bag.advance(0.3f);
    EXPECT_NEAR(bag.spinAngle(), 30.0f, 1e-4f);
    const glm::mat4 model = bag.modelMatrix(glm::mat4(1.0f));
    const float angle = glm::radians(75.0f);
    expectNear(localX(model), {std::cos(angle), std::sin(angle), 0.0f}, 1e-5f);
    expectNear(origin(model), {0.0f, 3.5f, 0.5f}, 1e-6f);
}

TEST(CarriedBagTest, SpinWrapsAtAFullTurn)
{
    CarriedBag bag;
    bag.advance(3.0f);
    bag.advance(0.9f);
    EXPECT_NEAR(bag.spinAngle(), 30.0f, 1e-3f); // 390 degrees
}

} // namespace
} // namespace tavernrush
