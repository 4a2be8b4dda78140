// The stand-in tangent frame must be orthonormal for any normal a file can
// give, including ones that are not unit length or lie along an axis.

#include "model/TangentFrame.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tavernrush {
namespace {

constexpr float tolerance = 1e-5f;

class TangentFrameOrthonormalTest : public ::testing::TestWithParam<glm::vec3> {};

TEST_P(TangentFrameOrthonormalTest, FrameIsUnitPerpendicularAndRightHanded)
{
    const glm::vec3 normal = glm::normalize(GetParam());
    const TangentFrame frame = tangentFrameFor(GetParam());

    EXPECT_NEAR(glm::length(frame.tangent), 1.0f, tolerance);
    EXPECT_NEAR(glm::length(frame.bitangent), 1.0f, tolerance);
    EXPECT_NEAR(glm::dot(frame.tangent, normal), 0.0f, tolerance);
    EXPECT_NEAR(glm::dot(frame.bitangent, normal), 0.0f, tolerance);
    EXPECT_NEAR(glm::dot(frame.tangent, frame.bitangent), 0.0f, tolerance);
    const glm::vec3 expectedBitangent = glm::cross(normal, frame.tangent);
    EXPECT_NEAR(glm::distance(frame.bitangent, expectedBitangent), 0.0f, tolerance);
}

INSTANTIATE_TEST_SUITE_P(Normals, TangentFrameOrthonormalTest,
                         ::testing::Values(glm::vec3(0, 1, 0), glm::vec3(1, 0, 0), glm::vec3(-1, 0, 0), glm::vec3(0, 0, 1),
                                           glm::vec3(0, -1, 0), glm::vec3(0.95f, 0.1f, 0.0f), glm::vec3(3, 4, 12),
                                           glm::vec3(-0.2f, -0.3f, 5e-4f)));

TEST(TangentFrameTest, UpNormalGetsTheXAxisAsTangent)
{
    const TangentFrame frame = tangentFrameFor(fallbackNormal);
    EXPECT_EQ(frame.tangent, glm::vec3(1, 0, 0));
    EXPECT_EQ(frame.bitangent, glm::vec3(0, 0, -1));
}

TEST(TangentFrameTest, ZeroAndNonFiniteVectorsAreNotUsableDirections)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    EXPECT_FALSE(isUsableDirection(glm::vec3(0)));
    EXPECT_FALSE(isUsableDirection(glm::vec3(1e-8f, 0, 0)));
    EXPECT_FALSE(isUsableDirection(glm::vec3(nan, 0, 1)));
    EXPECT_FALSE(isUsableDirection(glm::vec3(0, inf, 0)));
    EXPECT_TRUE(isUsableDirection(glm::vec3(0, 0, -1)));
    EXPECT_TRUE(isUsableDirection(glm::vec3(1e-3f, 0, 0)));
}

} // namespace
} // namespace tavernrush
