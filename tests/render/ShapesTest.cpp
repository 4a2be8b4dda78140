// The five shape generators: vertex and index counts, the first indices the
// level relies on, normals, winding, and the edge cases of small sizes.

#include "render/Shapes.h"

#include <gtest/gtest.h>

#include <glm/gtc/epsilon.hpp>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace tavernrush {
namespace {

constexpr float tolerance = 1e-5f;

std::vector<std::uint32_t> firstIndices(const GeometryData& data, std::size_t count)
{
    return {data.indices.begin(), data.indices.begin() + static_cast<std::ptrdiff_t>(count)};
}

bool near(const glm::vec3& a, const glm::vec3& b, float epsilon = tolerance)
{
    return glm::all(glm::epsilonEqual(a, b, epsilon));
}

// Properties every generated shape must have, whatever its kind: GL draws
// out of bounds on a bad index, and lighting goes wrong on a bad normal or a
// triangle wound against its normals.
struct NamedShape {
    std::string name;
    std::function<GeometryData()> make;
};

void PrintTo(const NamedShape& shape, std::ostream* out) { *out << shape.name; }

class GeneratedShapeTest : public ::testing::TestWithParam<NamedShape> {};

TEST_P(GeneratedShapeTest, ArraysMatchAndEveryIndexIsInRange)
{
    const GeometryData data = GetParam().make();
    ASSERT_FALSE(data.positions.empty());
    EXPECT_EQ(data.normals.size(), data.positions.size());
    EXPECT_EQ(data.uvs.size(), data.positions.size());
    EXPECT_EQ(data.indices.size() % 3, 0u);
    std::vector<bool> used(data.positions.size(), false);
    for (const std::uint32_t index : data.indices) {
        ASSERT_LT(index, data.positions.size());
        used[index] = true;
    }
    for (std::size_t vertex = 0; vertex < used.size(); ++vertex) {
        EXPECT_TRUE(used[vertex]) << "vertex " << vertex << " is never drawn";
    }
}

TEST_P(GeneratedShapeTest, NormalsHaveUnitLength)
{
    const GeometryData data = GetParam().make();
    for (std::size_t vertex = 0; vertex < data.normals.size(); ++vertex) {
        EXPECT_NEAR(glm::length(data.normals[vertex]), 1.0f, tolerance) << "vertex " << vertex;
    }
}

TEST_P(GeneratedShapeTest, TrianglesAreWoundCounterClockwiseTowardTheirNormals)
{
    const GeometryData data = GetParam().make();
    for (std::size_t t = 0; t + 2 < data.indices.size(); t += 3) {
        const std::uint32_t a = data.indices[t];
        const std::uint32_t b = data.indices[t + 1];
        const std::uint32_t c = data.indices[t + 2];
        const glm::vec3 winding =
            glm::cross(data.positions[b] - data.positions[a], data.positions[c] - data.positions[a]);
        const glm::vec3 normal = data.normals[a] + data.normals[b] + data.normals[c];
        EXPECT_GT(glm::dot(winding, normal), 0.0f) << "triangle " << t / 3 << " (" << a << ", " << b << ", " << c
                                                    << ")";
    }
}

INSTANTIATE_TEST_SUITE_P(
    LevelShapes, GeneratedShapeTest,
    ::testing::Values(NamedShape{"box", [] { return createBox(2, 4, 6); }},
                      NamedShape{"unitBox", [] { return createBox(1, 1, 1); }},
                      NamedShape{"insideOutBox", [] { return createInsideOutBox(90, 90, 90); }},
                      NamedShape{"beerCylinder", [] { return createCylinder(1.5f, 0.4f); }},
                      NamedShape{"coinCylinder", [] { return createCylinder(0.2f, 0.7f); }},
                      NamedShape{"cloudDome", [] { return createSphere(20, 30, 20); }},
                      NamedShape{"orbitSphere", [] { return createSphere(64, 0.6f, 32); }},
                      NamedShape{"equatorOnlySphere", [] { return createSphere(4, 1, 2); }},
                      NamedShape{"ground", [] { return createPlane(500, 500); }},
                      NamedShape{"screen", [] { return createPlane(5, 3); }}),
    [](const auto& info) { return info.param.name; });

TEST(BoxShapeTest, UnitBoxStartsWithTheFrontFace)
{
    const GeometryData box = createBox(1, 1, 1);
    EXPECT_EQ(box.positions.size(), 24u);
    EXPECT_EQ(box.indices.size(), 36u);
    EXPECT_EQ(box.positions[0], glm::vec3(-0.5f, -0.5f, 0.5f));
    EXPECT_EQ(firstIndices(box, 6), (std::vector<std::uint32_t>{0, 1, 2, 2, 3, 0}));
    EXPECT_EQ(box.normals[0], glm::vec3(0, 0, 1));
}

TEST(BoxShapeTest, EachFaceLiesOnItsOwnSideAtTheHalfExtent)
{
    const glm::vec3 half{1, 2, 3};
    const GeometryData box = createBox(2, 4, 6);
    for (std::size_t vertex = 0; vertex < box.positions.size(); ++vertex) {
        const glm::vec3& p = box.positions[vertex];
        const glm::vec3& n = box.normals[vertex];
        EXPECT_EQ(glm::abs(p), half) << "vertex " << vertex;
        EXPECT_FLOAT_EQ(glm::dot(p, n), glm::dot(half, glm::abs(n))) << "vertex " << vertex;
    }
}

TEST(BoxShapeTest, EveryFaceMapsTheWholePicture)
{
    const GeometryData box = createBox(1, 1, 1);
    const std::vector<glm::vec2> corners{{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    for (std::size_t face = 0; face < 6; ++face) {
        for (std::size_t corner = 0; corner < 4; ++corner) {
            EXPECT_EQ(box.uvs[4 * face + corner], corners[corner]) << "face " << face;
        }
    }
}

TEST(InsideOutBoxShapeTest, SharesThePositionsButTurnsNormalsAndWindingInward)
{
    const GeometryData outside = createBox(3, 5, 7);
    const GeometryData inside = createInsideOutBox(3, 5, 7);
    EXPECT_EQ(inside.positions, outside.positions);
    for (std::size_t vertex = 0; vertex < inside.normals.size(); ++vertex) {
        EXPECT_EQ(inside.normals[vertex], -outside.normals[vertex]) << "vertex " << vertex;
    }
    EXPECT_EQ(firstIndices(inside, 6), (std::vector<std::uint32_t>{0, 3, 2, 2, 1, 0}));
    EXPECT_EQ(inside.normals[0], glm::vec3(0, 0, -1));
}

TEST(InsideOutBoxShapeTest, BackAndTopFacesTurnTheirPictures)
{
    const GeometryData inside = createInsideOutBox(1, 1, 1);
    // Front keeps the outside mapping; back (face 1) and top (face 4) are mirrored.
    EXPECT_EQ(inside.uvs[0], glm::vec2(0, 0));
    EXPECT_EQ(inside.uvs[1], glm::vec2(1, 0));
    EXPECT_EQ(inside.uvs[4], glm::vec2(1, 0));
    EXPECT_EQ(inside.uvs[5], glm::vec2(0, 0));
    EXPECT_EQ(inside.uvs[16], glm::vec2(1, 1));
    EXPECT_EQ(inside.uvs[18], glm::vec2(0, 0));
}

TEST(CylinderShapeTest, BeerCylinderCountsAndTheClosingCapTriangle)
{
    const GeometryData cylinder = createCylinder(1.5f, 0.4f);
    EXPECT_EQ(cylinder.positions.size(), 66u);
    EXPECT_EQ(cylinder.indices.size(), 192u);
    EXPECT_EQ(cylinder.positions[0], glm::vec3(0, -0.75f, 0));
    EXPECT_EQ(cylinder.positions[1], glm::vec3(0, 0.75f, 0));
    EXPECT_EQ(firstIndices(cylinder, 3), (std::vector<std::uint32_t>{0, 2, 6}));
    // Segment 15 closes on segment 0: its bottom-cap triangle is the 61st.
    const std::vector<std::uint32_t> lastBottomCap{cylinder.indices[180], cylinder.indices[181],
                                                   cylinder.indices[182]};
    EXPECT_EQ(lastBottomCap, (std::vector<std::uint32_t>{0, 62, 2}));
}

TEST(CylinderShapeTest, RimVerticesLieOnTheRadiusAtBothEnds)
{
    const float radius = 0.7f;
    const GeometryData cylinder = createCylinder(0.2f, radius);
    for (std::size_t vertex = 2; vertex < cylinder.positions.size(); ++vertex) {
        const glm::vec3& p = cylinder.positions[vertex];
        EXPECT_NEAR(std::hypot(p.x, p.z), radius, tolerance) << "vertex " << vertex;
        EXPECT_FLOAT_EQ(std::abs(p.y), 0.1f) << "vertex " << vertex;
    }
}

TEST(CylinderShapeTest, SideTextureWrapsWithoutASeamVertex)
{
    const GeometryData cylinder = createCylinder(1.5f, 0.4f);
    float largestU = 0;
    for (std::uint32_t segment = 0; segment < 16; ++segment) {
        const glm::vec2 bottom = cylinder.uvs[3 + 4 * segment];
        const glm::vec2 top = cylinder.uvs[5 + 4 * segment];
        EXPECT_FLOAT_EQ(bottom.x, segment * 0.0625f);
        EXPECT_EQ(bottom.y, 0.0f);
        EXPECT_EQ(top, glm::vec2(bottom.x, 1.0f));
        largestU = std::max(largestU, bottom.x);
    }
    EXPECT_FLOAT_EQ(largestU, 0.9375f);
}

TEST(CylinderShapeTest, CapTextureIsACircleInsideThePicture)
{
    const GeometryData cylinder = createCylinder(1.5f, 0.4f);
    EXPECT_EQ(cylinder.uvs[0], glm::vec2(0.5f, 0.5f));
    for (std::uint32_t segment = 0; segment < 16; ++segment) {
        for (const std::uint32_t vertex : {2 + 4 * segment, 4 + 4 * segment}) {
            EXPECT_NEAR(glm::distance(cylinder.uvs[vertex], glm::vec2(0.5f)), 0.5f, tolerance) << vertex;
        }
    }
}

TEST(SphereShapeTest, TwoLatitudeSegmentsGiveOneRingAtTheEquator)
{
    const GeometryData sphere = createSphere(4, 1, 2);
    EXPECT_EQ(sphere.positions.size(), 6u);
    EXPECT_EQ(sphere.indices.size(), 24u);
    EXPECT_EQ(firstIndices(sphere, 3), (std::vector<std::uint32_t>{0, 3, 2}));
    for (std::size_t vertex = 2; vertex < 6; ++vertex) {
        EXPECT_NEAR(sphere.positions[vertex].y, 0.0f, tolerance);
    }
}

TEST(SphereShapeTest, CountsFollowTheSegmentNumbers)
{
    for (const auto& [n, m] : std::vector<std::pair<unsigned, unsigned>>{{20, 20}, {64, 32}, {3, 7}, {1, 2}}) {
        const GeometryData sphere = createSphere(n, 1, m);
        EXPECT_EQ(sphere.positions.size(), 2 + (m - 1) * n) << n << " x " << m;
        EXPECT_EQ(sphere.indices.size(), 6 * n * (m - 1)) << n << " x " << m;
    }
}

TEST(SphereShapeTest, NoLongitudeSegmentsLeaveOnlyThePoles)
{
    const GeometryData sphere = createSphere(0, 2, 5);
    EXPECT_EQ(sphere.positions, (std::vector<glm::vec3>{{0, 2, 0}, {0, -2, 0}}));
    EXPECT_TRUE(sphere.indices.empty());
}

TEST(SphereShapeTest, VerticesLieOnTheSphereWithRadialNormals)
{
    const float radius = 0.6f;
    const GeometryData sphere = createSphere(64, radius, 32);
    for (std::size_t vertex = 0; vertex < sphere.positions.size(); ++vertex) {
        const glm::vec3& p = sphere.positions[vertex];
        EXPECT_NEAR(glm::length(p), radius, tolerance) << "vertex " << vertex;
        EXPECT_TRUE(near(sphere.normals[vertex], p / radius)) << "vertex " << vertex;
    }
}

TEST(SphereShapeTest, RingsRunFromNorthToSouthWithMatchingTextureRows)
{
    const unsigned n = 8;
    const unsigned m = 6;
    const GeometryData sphere = createSphere(n, 1, m);
    EXPECT_EQ(sphere.positions[0], glm::vec3(0, 1, 0));
    EXPECT_EQ(sphere.positions[1], glm::vec3(0, -1, 0));
    for (unsigned ring = 1; ring < m; ++ring) {
        for (unsigned i = 0; i < n; ++i) {
            const std::size_t vertex = 2 + n * (ring - 1) + i;
            EXPECT_NEAR(sphere.positions[vertex].y, std::cos(ring * 3.1415927f / m), tolerance) << vertex;
            EXPECT_FLOAT_EQ(sphere.uvs[vertex].x, static_cast<float>(i) / n) << vertex;
            EXPECT_FLOAT_EQ(sphere.uvs[vertex].y, static_cast<float>(ring) / m) << vertex;
        }
    }
    // The first vertex of every ring sits on the +x side.
    EXPECT_GT(sphere.positions[2].x, 0.0f);
    EXPECT_NEAR(sphere.positions[2].z, 0.0f, tolerance);
}

TEST(PlaneShapeTest, GroundCornersAndIndices)
{
    const GeometryData plane = createPlane(500, 500);
    EXPECT_EQ(plane.positions,
              (std::vector<glm::vec3>{{-250, 0, -250}, {250, 0, -250}, {250, 0, 250}, {-250, 0, 250}}));
    EXPECT_EQ(plane.indices, (std::vector<std::uint32_t>{0, 3, 2, 2, 1, 0}));
    EXPECT_EQ(plane.normals, std::vector<glm::vec3>(4, glm::vec3(0, 1, 0)));
    EXPECT_EQ(plane.uvs, (std::vector<glm::vec2>{{0, 0}, {1, 0}, {1, 1}, {0, 1}}));
}

TEST(PlaneShapeTest, WidthRunsAlongXAndDepthAlongZ)
{
    const GeometryData plane = createPlane(5, 3);
    EXPECT_EQ(plane.positions[0], glm::vec3(-2.5f, 0, -1.5f));
    EXPECT_EQ(plane.positions[2], glm::vec3(2.5f, 0, 1.5f));
}

} // namespace
} // namespace tavernrush
