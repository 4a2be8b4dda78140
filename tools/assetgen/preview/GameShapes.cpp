// Sphere, cylinder and plane with the game's vertex layout.
#include "preview/GameShapes.h"

#include <cmath>

namespace tavernrush::assetgen {

namespace {

TriangleList fromIndices(const std::vector<RasterVertex>& vertices, const std::vector<unsigned>& indices)
{
    TriangleList triangles;
    for (unsigned index : indices) {
        triangles.push_back(vertices[index]);
    }
    return triangles;
}

} // namespace

TriangleList gameSphere(unsigned n, float r, unsigned m)
{
    std::vector<RasterVertex> vertices{{{0, r, 0}, {0, 1, 0}, {0.5f, 0.5f}}, {{0, -r, 0}, {0, -1, 0}, {0.5f, 0.5f}}};
    std::vector<unsigned> indices;
    const unsigned last = 2 + n * (m - 2);
    for (unsigned k = 0; k < n; ++k) {
        const unsigned next = k + 1 < n ? k + 1 : 0;
        indices.insert(indices.end(), {0, 2 + next, 2 + k});
        indices.insert(indices.end(), {last + k, last + next, 1});
    }
    for (unsigned e = 1; e < m; ++e) {
        const float theta = static_cast<float>(e) * 3.1415927f / static_cast<float>(m);
        const unsigned q = 2 + n * (e - 1);
        const unsigned p = q - n;
        for (unsigned i = 0; i < n; ++i) {
            const float phi = 2.0f * static_cast<float>(i) * 3.1415927f / static_cast<float>(n);
            const glm::vec3 position(r * std::sin(theta) * std::cos(phi), r * std::cos(theta), r * std::sin(theta) * std::sin(phi));
            vertices.push_back({position, glm::normalize(position),
                                {static_cast<float>(i) / static_cast<float>(n), static_cast<float>(e) / static_cast<float>(m)}});
            if (e >= 2) {
                const unsigned i2 = i + 1 < n ? i + 1 : 0;
                indices.insert(indices.end(), {q + i, p + i2, q + i2});
                indices.insert(indices.end(), {p + i2, q + i, p + i});
            }
        }
    }
    return fromIndices(vertices, indices);
}

TriangleList gameCylinder(float h, float r)
{
    std::vector<RasterVertex> vertices{{{0, -h / 2, 0}, {0, -1, 0}, {0.5f, 0.5f}}, {{0, h / 2, 0}, {0, 1, 0}, {0.5f, 0.5f}}};
    for (int i = 0; i < 16; ++i) {
        const float a = static_cast<float>(i) * 0.3926991f;
        const float x = std::cos(a) * r;
        const float z = std::sin(a) * r;
        const glm::vec2 capUv(x / r * 0.5f + 0.5f, z / r * 0.5f + 0.5f);
        const glm::vec3 side = glm::normalize(glm::vec3(x, 0, z));
        vertices.push_back({{x, -h / 2, z}, {0, -1, 0}, capUv});
        vertices.push_back({{x, -h / 2, z}, side, {static_cast<float>(i) * 0.0625f, 0}});
        vertices.push_back({{x, h / 2, z}, {0, 1, 0}, capUv});
        vertices.push_back({{x, h / 2, z}, side, {static_cast<float>(i) * 0.0625f, 1}});
    }
    std::vector<unsigned> indices;
    for (unsigned i = 0; i < 16; ++i) {
        const unsigned b = 4 * i;
        const unsigned n = i < 15 ? 4 * (i + 1) : 0;
        indices.insert(indices.end(), {0, b + 2, n + 2, 1, n + 4, b + 4, b + 3, n + 5, n + 3, n + 5, b + 3, b + 5});
    }
    return fromIndices(vertices, indices);
}

TriangleList gamePlane(float w, float d)
{
    const std::vector<RasterVertex> vertices{{{-w / 2, 0, -d / 2}, {0, 1, 0}, {0, 0}},
                                             {{w / 2, 0, -d / 2}, {0, 1, 0}, {1, 0}},
                                             {{w / 2, 0, d / 2}, {0, 1, 0}, {1, 1}},
                                             {{-w / 2, 0, d / 2}, {0, 1, 0}, {0, 1}}};
    return fromIndices(vertices, {0, 3, 2, 2, 1, 0});
}

TriangleList placed(const TriangleList& triangles, const glm::mat4& placement)
{
    const glm::mat3 normalMatrix = glm::transpose(glm::inverse(glm::mat3(placement)));
    TriangleList out;
    out.reserve(triangles.size());
    for (const RasterVertex& v : triangles) {
        out.push_back({glm::vec3(placement * glm::vec4(v.position, 1.0f)), glm::normalize(normalMatrix * v.normal), v.st});
    }
    return out;
}

} // namespace tavernrush::assetgen
