// Box, frustum, ellipsoid, tube and quad generators.
#include "Primitives.h"

#include <cmath>

namespace tavernrush::assetgen::primitives {

namespace {

constexpr float twoPi = 6.2831853f;

Vertex vertex(const glm::vec3& position, const glm::vec3& normal, const glm::vec2& picture)
{
    return {position, normal, picture};
}

void place(Mesh& mesh, Mesh& piece, const glm::mat4& placement)
{
    piece.transform(placement);
    mesh.append(piece);
}

// Any unit vector perpendicular to the given one.
glm::vec3 perpendicular(const glm::vec3& v)
{
    const glm::vec3 helper = std::abs(v.y) < 0.9f ? glm::vec3(0.0f, 1.0f, 0.0f) : glm::vec3(1.0f, 0.0f, 0.0f);
    return glm::normalize(glm::cross(v, helper));
}

} // namespace

void quad(Mesh& mesh, const glm::vec3& bottomLeft, const glm::vec3& bottomRight, const glm::vec3& topRight,
          const glm::vec3& topLeft, const PictureRegion& region)
{
    const glm::vec3 n = faceNormal(bottomLeft, bottomRight, topRight);
    mesh.addPolygon({vertex(bottomLeft, n, region.at({0, 0})), vertex(bottomRight, n, region.at({1, 0})),
                     vertex(topRight, n, region.at({1, 1})), vertex(topLeft, n, region.at({0, 1}))},
                    true);
}

void box(Mesh& mesh, const glm::mat4& placement, glm::vec3 size, const PictureRegion& sides, const PictureRegion& ends)
{
    Mesh piece(mesh.name(), mesh.material());
    const glm::vec3 h = size * 0.5f;
    // Corners named by the signs of x, y, z.
    auto c = [&](int sx, int sy, int sz) {
        return glm::vec3(static_cast<float>(sx) * h.x, static_cast<float>(sy) * h.y, static_cast<float>(sz) * h.z);
    };
    quad(piece, c(-1, -1, 1), c(1, -1, 1), c(1, 1, 1), c(-1, 1, 1), sides);     // front (+z)
    quad(piece, c(1, -1, -1), c(-1, -1, -1), c(-1, 1, -1), c(1, 1, -1), sides); // back (-z)
    quad(piece, c(1, -1, 1), c(1, -1, -1), c(1, 1, -1), c(1, 1, 1), sides);     // right (+x)
    quad(piece, c(-1, -1, -1), c(-1, -1, 1), c(-1, 1, 1), c(-1, 1, -1), sides); // left (-x)
    quad(piece, c(-1, 1, 1), c(1, 1, 1), c(1, 1, -1), c(-1, 1, -1), ends);      // top (+y)
    quad(piece, c(-1, -1, -1), c(1, -1, -1), c(1, -1, 1), c(-1, -1, 1), ends);  // bottom (-y)
    place(mesh, piece, placement);
}

void frustum(Mesh& mesh, const glm::mat4& placement, float bottomRadius, float topRadius, float height, int segments,
             const PictureRegion& side, const PictureRegion& caps, Shading shading, bool withCaps)
{
    Mesh piece(mesh.name(), mesh.material());
    const bool flat = shading == Shading::Flat;
    const float slope = (bottomRadius - topRadius) / height;
    auto ring = [&](int i, float radius, float y) {
        const float a = twoPi * static_cast<float>(i) / static_cast<float>(segments);
        return glm::vec3(radius * std::sin(a), y, radius * std::cos(a));
    };
    auto radial = [&](float s) {
        const float a = twoPi * s;
        return glm::normalize(glm::vec3(std::sin(a), slope, std::cos(a)));
    };
    for (int i = 0; i < segments; ++i) {
        const float s0 = static_cast<float>(i) / static_cast<float>(segments);
        const float s1 = static_cast<float>(i + 1) / static_cast<float>(segments);
        const Vertex b0 = vertex(ring(i, bottomRadius, 0.0f), radial(s0), side.at({s0, 0}));
        const Vertex b1 = vertex(ring(i + 1, bottomRadius, 0.0f), radial(s1), side.at({s1, 0}));
        if (topRadius <= 0.0f) {
            const float sm = (s0 + s1) * 0.5f;
            piece.addTriangle(b0, b1, vertex(glm::vec3(0.0f, height, 0.0f), radial(sm), side.at({sm, 1})), flat);
        } else {
            const Vertex t1 = vertex(ring(i + 1, topRadius, height), radial(s1), side.at({s1, 1}));
            const Vertex t0 = vertex(ring(i, topRadius, height), radial(s0), side.at({s0, 1}));
            piece.addPolygon({b0, b1, t1, t0}, flat);
        }
    }
    if (withCaps) {
        auto capVertex = [&](int i, float radius, float y, float ny) {
            const float a = twoPi * static_cast<float>(i) / static_cast<float>(segments);
            const glm::vec2 st(0.5f + 0.5f * std::sin(a), 0.5f + 0.5f * std::cos(a));
            return vertex(ring(i, radius, y), glm::vec3(0.0f, ny, 0.0f), caps.at(st));
        };
        std::vector<Vertex> bottom;
        for (int i = segments - 1; i >= 0; --i) {
            bottom.push_back(capVertex(i, bottomRadius, 0.0f, -1.0f));
        }
        piece.addPolygon(bottom, true);
        if (topRadius > 0.0f) {
            std::vector<Vertex> top;
            for (int i = 0; i < segments; ++i) {
                top.push_back(capVertex(i, topRadius, height, 1.0f));
            }
            piece.addPolygon(top, true);
        }
    }
    place(mesh, piece, placement);
}

glm::mat4 alongSegment(const glm::vec3& from, const glm::vec3& to)
{
    const glm::vec3 axis = glm::normalize(to - from);
    const glm::vec3 side = perpendicular(axis);
    const glm::vec3 third = glm::cross(side, axis);
    // Columns: local x, y (the segment) and z.
    return glm::mat4(glm::vec4(side, 0.0f), glm::vec4(axis, 0.0f), glm::vec4(third, 0.0f), glm::vec4(from, 1.0f));
}

void frustumBetween(Mesh& mesh, const glm::vec3& from, const glm::vec3& to, float fromRadius, float toRadius,
                    int segments, const PictureRegion& side, const PictureRegion& caps, Shading shading)
{
    frustum(mesh, alongSegment(from, to), fromRadius, toRadius, glm::length(to - from), segments, side, caps, shading);
}

void ellipsoid(Mesh& mesh, const glm::mat4& placement, glm::vec3 radii, int segments, int rings,
               const PictureRegion& region, Shading shading)
{
    Mesh piece(mesh.name(), mesh.material());
    const bool flat = shading == Shading::Flat;
    auto point = [&](int i, int j) {
        const float a = twoPi * static_cast<float>(i) / static_cast<float>(segments);
        const float polar = 3.14159265f * static_cast<float>(j) / static_cast<float>(rings);
        const glm::vec3 unit(std::sin(polar) * std::sin(a), std::cos(polar), std::sin(polar) * std::cos(a));
        const glm::vec3 p = unit * radii;
        const glm::vec3 n = glm::normalize(p / (radii * radii));
        const glm::vec2 st(static_cast<float>(i) / static_cast<float>(segments),
                           1.0f - static_cast<float>(j) / static_cast<float>(rings));
        return vertex(p, n, region.at(st));
    };
    for (int j = 0; j < rings; ++j) {
        for (int i = 0; i < segments; ++i) {
            // Rings run from the top (j = 0) down; counter-clockwise from outside.
            const Vertex upperLeft = point(i, j);
            const Vertex upperRight = point(i + 1, j);
            const Vertex lowerLeft = point(i, j + 1);
            const Vertex lowerRight = point(i + 1, j + 1);
            if (j == 0) {
                piece.addTriangle(lowerLeft, lowerRight, upperLeft, flat);
            } else if (j == rings - 1) {
                piece.addTriangle(lowerLeft, upperRight, upperLeft, flat);
            } else {
                piece.addPolygon({lowerLeft, lowerRight, upperRight, upperLeft}, flat);
            }
        }
    }
    place(mesh, piece, placement);
}

void tube(Mesh& mesh, const std::vector<glm::vec3>& path, const std::vector<float>& radii, int segments,
          const PictureRegion& region, Shading shading, bool capEnds)
{
    if (path.size() < 2 || radii.size() != path.size()) {
        return;
    }
    const bool flat = shading == Shading::Flat;
    const std::size_t n = path.size();
    // Parallel-transported frames keep the rings from twisting along curves.
    std::vector<glm::vec3> tangents(n);
    for (std::size_t k = 0; k < n; ++k) {
        const glm::vec3 ahead = path[std::min(k + 1, n - 1)];
        const glm::vec3 behind = path[k == 0 ? 0 : k - 1];
        tangents[k] = glm::normalize(ahead - behind);
    }
    std::vector<glm::vec3> normals(n);
    std::vector<glm::vec3> binormals(n);
    normals[0] = perpendicular(tangents[0]);
    for (std::size_t k = 0; k < n; ++k) {
        if (k > 0) {
            const glm::vec3 projected = normals[k - 1] - tangents[k] * glm::dot(normals[k - 1], tangents[k]);
            normals[k] = glm::length(projected) > 1e-6f ? glm::normalize(projected) : perpendicular(tangents[k]);
        }
        binormals[k] = glm::cross(tangents[k], normals[k]);
    }
    float totalLength = 0.0f;
    std::vector<float> along(n, 0.0f);
    for (std::size_t k = 1; k < n; ++k) {
        totalLength += glm::length(path[k] - path[k - 1]);
        along[k] = totalLength;
    }
    auto ringVertex = [&](std::size_t k, int i) {
        const float a = twoPi * static_cast<float>(i) / static_cast<float>(segments);
        const glm::vec3 radial = normals[k] * std::cos(a) + binormals[k] * std::sin(a);
        const glm::vec2 st(static_cast<float>(i) / static_cast<float>(segments), along[k] / totalLength);
        return vertex(path[k] + radial * radii[k], radial, region.at(st));
    };
    for (std::size_t k = 0; k + 1 < n; ++k) {
        for (int i = 0; i < segments; ++i) {
            const Vertex a0 = ringVertex(k, i);
            const Vertex a1 = ringVertex(k, i + 1);
            const Vertex b0 = ringVertex(k + 1, i);
            const Vertex b1 = ringVertex(k + 1, i + 1);
            if (radii[k + 1] <= 0.0f) {
                mesh.addTriangle(a0, a1, b0, flat);
            } else if (radii[k] <= 0.0f) {
                mesh.addTriangle(a0, b1, b0, flat);
            } else {
                mesh.addPolygon({a0, a1, b1, b0}, flat);
            }
        }
    }
    if (capEnds) {
        const std::size_t last = n - 1;
        if (radii[0] > 0.0f) {
            std::vector<Vertex> cap;
            for (int i = segments - 1; i >= 0; --i) {
                Vertex v = ringVertex(0, i);
                const float a = twoPi * static_cast<float>(i) / static_cast<float>(segments);
                v.picture = region.at({0.5f + 0.4f * std::cos(a), 0.05f + 0.04f * std::sin(a)});
                cap.push_back(v);
            }
            mesh.addPolygon(cap, true);
        }
        if (radii[last] > 0.0f) {
            std::vector<Vertex> cap;
            for (int i = 0; i < segments; ++i) {
                Vertex v = ringVertex(last, i);
                const float a = twoPi * static_cast<float>(i) / static_cast<float>(segments);
                v.picture = region.at({0.5f + 0.4f * std::cos(a), 0.95f + 0.04f * std::sin(a)});
                cap.push_back(v);
            }
            mesh.addPolygon(cap, true);
        }
    }
}

} // namespace tavernrush::assetgen::primitives
