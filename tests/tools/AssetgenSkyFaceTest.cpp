// The sky faces: each pixel's direction agrees with the OpenGL cube-map
// lookup of a face the game has flipped, and neighbouring faces meet
// without a visible seam.
#include "CubeFace.h"
#include "SkyModel.h"
#include "pictures/SkyPictures.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace tavernrush::assetgen {
namespace {

struct Lookup {
    CubeFace face;
    float s; // 0..1 along the file's columns
    float t; // 0..1 down the file's rows (the loader uploads the top row first)
};

// The OpenGL major-axis selection, written out independently of CubeFace.cpp.
Lookup glCubeLookup(const glm::vec3& d)
{
    const glm::vec3 a = glm::abs(d);
    CubeFace face;
    float sc = 0.0f;
    float tc = 0.0f;
    float major = 0.0f;
    if (a.x >= a.y && a.x >= a.z) {
        face = d.x > 0 ? CubeFace::Right : CubeFace::Left;
        sc = d.x > 0 ? -d.z : d.z;
        tc = -d.y;
        major = a.x;
    } else if (a.y >= a.z) {
        face = d.y > 0 ? CubeFace::Top : CubeFace::Bottom;
        sc = d.x;
        tc = d.y > 0 ? d.z : -d.z;
        major = a.y;
    } else {
        face = d.z > 0 ? CubeFace::Front : CubeFace::Back;
        sc = d.z > 0 ? d.x : -d.x;
        tc = -d.y;
        major = a.z;
    }
    return {face, (sc / major + 1.0f) * 0.5f, (tc / major + 1.0f) * 0.5f};
}

std::size_t indexOf(CubeFace face)
{
    for (std::size_t i = 0; i < allCubeFaces.size(); ++i) {
        if (allCubeFaces[i] == face) {
            return i;
        }
    }
    return 0;
}

TEST(SkyFaces, FilesAreTheFacesTheLoaderExpectsInItsOrder)
{
    const char* expected[] = {"right.jpg", "left.jpg", "top.jpg", "bottom.jpg", "front.jpg", "back.jpg"};
    for (std::size_t i = 0; i < allCubeFaces.size(); ++i) {
        EXPECT_STREQ(cubeFaceFile(allCubeFaces[i]), expected[i]);
    }
}

TEST(SkyFaces, PixelDirectionsRoundTripThroughTheGlLookup)
{
    for (CubeFace face : allCubeFaces) {
        for (float s = 0.05f; s < 1.0f; s += 0.15f) {
            for (float t = 0.05f; t < 1.0f; t += 0.15f) {
                const Lookup back = glCubeLookup(cubeFaceDirection(face, s, t));
                EXPECT_EQ(back.face, face) << cubeFaceFile(face);
                EXPECT_NEAR(back.s, s, 1e-5f) << cubeFaceFile(face);
                EXPECT_NEAR(back.t, t, 1e-5f) << cubeFaceFile(face);
            }
        }
    }
}

TEST(SkyFaces, TopOfEverySideFaceLooksUpAndTheSunIsAhead)
{
    for (CubeFace face : {CubeFace::Right, CubeFace::Left, CubeFace::Front, CubeFace::Back}) {
        EXPECT_GT(cubeFaceDirection(face, 0.5f, 0.0f).y, 0.9f) << cubeFaceFile(face);
        EXPECT_LT(cubeFaceDirection(face, 0.5f, 1.0f).y, -0.9f) << cubeFaceFile(face);
    }
    // The sun sits opposite the light's travel (0, -1, 1): up and towards -z.
    EXPECT_GT(glm::dot(sunDirection(), glm::normalize(glm::vec3(0, 1, -1))), 0.999f);
    const glm::vec3 atSun = skyColour(sunDirection());
    const glm::vec3 awayFromSun = skyColour(glm::vec3(0.0f, 0.7f, 0.7f));
    EXPECT_GT(atSun.r + atSun.g + atSun.b, awayFromSun.r + awayFromSun.g + awayFromSun.b + 0.3f);
}

TEST(SkyFaces, NeighbouringFacesMeetWithoutASeam)
{
    const int size = 96;
    std::array<Image, 6> faces;
    for (std::size_t i = 0; i < faces.size(); ++i) {
        faces[i] = paintSkyFace(allCubeFaces[i], size);
    }
    auto difference = [](const glm::vec4& a, const glm::vec4& b) {
        const glm::vec3 d = glm::abs(glm::vec3(a) - glm::vec3(b));
        return (d.r + d.g + d.b) / 3.0f;
    };
    const float pixel = 1.0f / static_cast<float>(size);
    float seamSum = 0.0f;
    float insideSum = 0.0f;
    int count = 0;
    for (std::size_t i = 0; i < faces.size(); ++i) {
        const CubeFace face = allCubeFaces[i];
        for (int k = 0; k < size; ++k) {
            const float along = (static_cast<float>(k) + 0.5f) * pixel;
            // Each edge pixel, the pixel just across the edge and the one
            // just inside it.
            const std::array<std::array<glm::vec2, 3>, 4> edges{{
                {{{0.5f * pixel, along}, {-0.5f * pixel, along}, {1.5f * pixel, along}}},
                {{{1.0f - 0.5f * pixel, along}, {1.0f + 0.5f * pixel, along}, {1.0f - 1.5f * pixel, along}}},
                {{{along, 0.5f * pixel}, {along, -0.5f * pixel}, {along, 1.5f * pixel}}},
                {{{along, 1.0f - 0.5f * pixel}, {along, 1.0f + 0.5f * pixel}, {along, 1.0f - 1.5f * pixel}}},
            }};
            for (const auto& edge : edges) {
                const glm::vec4 here = faces[i].sample(edge[0].x * size, edge[0].y * size);
                const Lookup across = glCubeLookup(cubeFaceDirection(face, edge[1].x, edge[1].y));
                ASSERT_NE(across.face, face);
                const glm::vec4 there = faces[indexOf(across.face)].sample(across.s * size, across.t * size);
                const glm::vec4 inside = faces[i].sample(edge[2].x * size, edge[2].y * size);
                seamSum += difference(here, there);
                insideSum += difference(here, inside);
                ++count;
            }
        }
    }
    // Stepping across an edge changes the colour no more than stepping
    // one pixel inward does (the small margin covers JPEG-free rounding).
    EXPECT_LT(seamSum / static_cast<float>(count), insideSum / static_cast<float>(count) * 1.5f + 0.002f);
}

} // namespace
} // namespace tavernrush::assetgen
