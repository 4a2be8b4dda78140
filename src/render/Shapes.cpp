#include "render/Shapes.h"

#include <array>
#include <cmath>

namespace tavernrush {
namespace {

struct BoxFace {
    std::array<glm::vec3, 4> corners; // in units of the half extents
    glm::vec3 normal;
};

// Corner order per face is what the texture coordinates below assume.
constexpr std::array<BoxFace, 6> boxFaces{{
    {{{{-1, -1, 1}, {1, -1, 1}, {1, 1, 1}, {-1, 1, 1}}}, {0, 0, 1}},       // front
    {{{{1, -1, -1}, {-1, -1, -1}, {-1, 1, -1}, {1, 1, -1}}}, {0, 0, -1}},  // back
    {{{{1, -1, 1}, {1, -1, -1}, {1, 1, -1}, {1, 1, 1}}}, {1, 0, 0}},       // right
    {{{{-1, -1, -1}, {-1, -1, 1}, {-1, 1, 1}, {-1, 1, -1}}}, {-1, 0, 0}},  // left
    {{{{-1, 1, -1}, {-1, 1, 1}, {1, 1, 1}, {1, 1, -1}}}, {0, 1, 0}},       // top
    {{{{-1, -1, -1}, {1, -1, -1}, {1, -1, 1}, {-1, -1, 1}}}, {0, -1, 0}},  // bottom
}};

constexpr std::array<glm::vec2, 4> outsideUvs{{{0, 0}, {1, 0}, {1, 1}, {0, 1}}};

// Seen from inside, each face's picture is mirrored back so it reads the
// right way round.
constexpr std::array<std::array<glm::vec2, 4>, 6> insideUvs{{
    {{{0, 0}, {1, 0}, {1, 1}, {0, 1}}},
    {{{1, 0}, {0, 0}, {0, 1}, {1, 1}}},
    {{{1, 0}, {0, 0}, {0, 1}, {1, 1}}},
    {{{1, 0}, {0, 0}, {0, 1}, {1, 1}}},
    {{{1, 1}, {0, 1}, {0, 0}, {1, 0}}},
    {{{1, 0}, {0, 0}, {0, 1}, {1, 1}}},
}};

GeometryData boxWithFaces(float width, float height, float depth, bool inside)
{
    const glm::vec3 half{width / 2, height / 2, depth / 2};
    GeometryData data;
    for (std::uint32_t face = 0; face < boxFaces.size(); ++face) {
        const BoxFace& f = boxFaces[face];
        for (std::size_t corner = 0; corner < 4; ++corner) {
            data.positions.push_back(f.corners[corner] * half);
            data.normals.push_back(inside ? -f.normal : f.normal);
            data.uvs.push_back(inside ? insideUvs[face][corner] : outsideUvs[corner]);
        }
        const std::uint32_t b = 4 * face;
        if (inside) {
            data.indices.insert(data.indices.end(), {b, b + 3, b + 2, b + 2, b + 1, b});
        } else {
            data.indices.insert(data.indices.end(), {b, b + 1, b + 2, b + 2, b + 3, b});
        }
    }
    return data;
}

} // namespace

GeometryData createBox(float width, float height, float depth) { return boxWithFaces(width, height, depth, false); }

GeometryData createInsideOutBox(float width, float height, float depth)
{
    return boxWithFaces(width, height, depth, true);
}

GeometryData createCylinder(float height, float radius)
{
    constexpr std::uint32_t segments = 16;
    constexpr float angleStep = 0.3926991f; // 2 pi / 16
    const float bottom = -height / 2;
    const float top = height / 2;

    GeometryData data;
    data.positions = {{0, bottom, 0}, {0, top, 0}};
    data.normals = {{0, -1, 0}, {0, 1, 0}};
    data.uvs = {{0.5f, 0.5f}, {0.5f, 0.5f}};
    for (std::uint32_t i = 0; i < segments; ++i) {
        const float angle = static_cast<float>(i) * angleStep;
        const float x = std::cos(angle) * radius;
        const float z = std::sin(angle) * radius;
        const glm::vec3 side = glm::normalize(glm::vec3(x, 0, z));
        const glm::vec2 capUv{x / radius * 0.5f + 0.5f, z / radius * 0.5f + 0.5f};
        const float u = static_cast<float>(i) * 0.0625f;

        data.positions.insert(data.positions.end(), {{x, bottom, z}, {x, bottom, z}, {x, top, z}, {x, top, z}});
        data.normals.insert(data.normals.end(), {{0, -1, 0}, side, {0, 1, 0}, side});
        data.uvs.insert(data.uvs.end(), {capUv, {u, 0}, capUv, {u, 1}});
    }
    for (std::uint32_t i = 0; i < segments; ++i) {
        const std::uint32_t b = 4 * i;
        // The last segment closes on the first instead of adding a seam vertex.
        const std::uint32_t n = i + 1 < segments ? 4 * (i + 1) : 0;
        data.indices.insert(data.indices.end(), {0, b + 2, n + 2});
        data.indices.insert(data.indices.end(), {1, n + 4, b + 4});
        data.indices.insert(data.indices.end(), {b + 3, n + 5, n + 3});
        data.indices.insert(data.indices.end(), {n + 5, b + 3, b + 5});
    }
    return data;
}

GeometryData createSphere(unsigned longitudeSegments, float radius, unsigned latitudeSegments)
{
    constexpr float pi = 3.1415927f;
    const std::uint32_t n = longitudeSegments;
    const std::uint32_t m = latitudeSegments;

    GeometryData data;
    data.positions = {{0, radius, 0}, {0, -radius, 0}};
    data.normals = {{0, 1, 0}, {0, -1, 0}};
    data.uvs = {{0.5f, 0.5f}, {0.5f, 0.5f}};

    // Cap fans first, alternating north and south, so both poles close on
    // the first and the last ring.
    if (m >= 2) {
        const std::uint32_t lastRing = 2 + n * (m - 2);
        for (std::uint32_t k = 0; k < n; ++k) {
            const std::uint32_t next = k + 1 < n ? k + 1 : 0;
            data.indices.insert(data.indices.end(), {0, 2 + next, 2 + k});
            data.indices.insert(data.indices.end(), {lastRing + k, lastRing + next, 1});
        }
    }
    for (std::uint32_t e = 1; e < m; ++e) {
        const float theta = static_cast<float>(e) * pi / static_cast<float>(m);
        const std::uint32_t ring = 2 + n * (e - 1);
        const std::uint32_t previousRing = ring - n;
        for (std::uint32_t i = 0; i < n; ++i) {
            const float phi = 2.0f * static_cast<float>(i) * pi / static_cast<float>(n);
            const glm::vec3 position{radius * std::sin(theta) * std::cos(phi), radius * std::cos(theta),
                                     radius * std::sin(theta) * std::sin(phi)};
            data.positions.push_back(position);
            data.normals.push_back(glm::normalize(position));
            data.uvs.emplace_back(static_cast<float>(i) / static_cast<float>(n),
                                  static_cast<float>(e) / static_cast<float>(m));
            if (e >= 2) {
                const std::uint32_t p = previousRing;
                const std::uint32_t q = ring;
                const std::uint32_t next = i + 1 < n ? i + 1 : 0;
                data.indices.insert(data.indices.end(), {q + i, p + next, q + next});
                data.indices.insert(data.indices.end(), {p + next, q + i, p + i});
            }
        }
    }
    return data;
}

GeometryData createPlane(float width, float depth)
{
    const float x = width / 2;
    const float z = depth / 2;
    GeometryData data;
    data.positions = {{-x, 0, -z}, {x, 0, -z}, {x, 0, z}, {-x, 0, z}};
    data.normals.assign(4, glm::vec3(0, 1, 0));
    data.uvs = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    data.indices = {0, 3, 2, 2, 1, 0};
    return data;
}

} // namespace tavernrush
