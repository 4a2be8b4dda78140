// The sun's view for the shadow map follows the player figure, so its shadow
// is recorded wherever it stands, with the same light direction everywhere.

#include "passes/LightSpace.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>

namespace tavernrush {
namespace {

const glm::vec3 sunDirection = glm::normalize(glm::vec3(0.0f, -1.0f, 1.0f));

glm::vec3 toLightClip(const LightSpace& light, const glm::vec3& world)
{
    const glm::vec4 clip = light.lightSpaceMatrix * glm::vec4(world, 1.0f);
    return glm::vec3(clip) / clip.w;
}

// The corners of a 1 x 4 x 1 figure standing at `feet`.
std::array<glm::vec3, 8> figureCorners(const glm::vec3& feet)
{
    std::array<glm::vec3, 8> corners;
    for (int i = 0; i < 8; ++i) {
        corners[static_cast<std::size_t>(i)] =
            feet + glm::vec3((i & 1) ? 0.5f : -0.5f, (i & 2) ? 4.0f : 0.0f, (i & 4) ? 0.5f : -0.5f);
    }
    return corners;
}

bool insideMap(const glm::vec3& clip)
{
    return clip.x > -1.0f && clip.x < 1.0f && clip.y > -1.0f && clip.y < 1.0f && clip.z > -1.0f && clip.z < 1.0f;
}

TEST(LightSpaceTest, TheFigureIsInsideTheMapWhereverItStands)
{
    // The start position (z > y), the far corners of the ground and the
    // raised level: a view fixed on the origin misses the first two.
    const std::array<glm::vec3, 5> places{glm::vec3(0, 0, 20), glm::vec3(240, 0, 240), glm::vec3(-240, 0, -240),
                                          glm::vec3(240, 0, -240), glm::vec3(-9, 12, 5)};
    for (const glm::vec3& feet : places) {
        const LightSpace light = lightSpaceFor(sunDirection, feet + glm::vec3(0, 2, 0));
        for (const glm::vec3& corner : figureCorners(feet)) {
            EXPECT_TRUE(insideMap(toLightClip(light, corner)))
                << "corner (" << corner.x << ", " << corner.y << ", " << corner.z << ")";
        }
        // The figure sits in the middle of the map and of the depth range.
        const glm::vec3 centre = toLightClip(light, feet + glm::vec3(0, 2, 0));
        EXPECT_NEAR(centre.x, 0.0f, 1e-4f);
        EXPECT_NEAR(centre.y, 0.0f, 1e-4f);
        EXPECT_NEAR(centre.z, 0.0f, 0.01f);
    }
}

TEST(LightSpaceTest, KeepsTheLightsDirectionAndCoverageWhereverItIsCentred)
{
    for (const glm::vec3& focus : {glm::vec3(0, 2, 20), glm::vec3(150, 2, -120)}) {
        const LightSpace light = lightSpaceFor(sunDirection, focus);
        EXPECT_NEAR(glm::distance(light.lightPos, focus - sunDirection * shadowEyeDistance), 0.0f, 1e-3f);
        // Points along one light ray land on one texel: the map looks along
        // the light's direction.
        const glm::vec3 near = toLightClip(light, focus - sunDirection * 30.0f);
        const glm::vec3 far = toLightClip(light, focus + sunDirection * 30.0f);
        EXPECT_NEAR(near.x, far.x, 1e-4f);
        EXPECT_NEAR(near.y, far.y, 1e-4f);
        EXPECT_LT(near.z, far.z);
        // 60 x 60 world units across: 30 sideways reaches the map's edge.
        const glm::vec3 side = glm::normalize(glm::cross(sunDirection, glm::vec3(0, 1, 0)));
        EXPECT_NEAR(std::abs(toLightClip(light, focus + side * 30.0f).x), 1.0f, 1e-4f);
        // The sun itself stays where it is for every receiver.
        EXPECT_NEAR(glm::distance(light.sunPosition, glm::vec3(0.0f, 70.71068f, -70.71068f)), 0.0f, 1e-3f);
    }
}

} // namespace
} // namespace tavernrush
