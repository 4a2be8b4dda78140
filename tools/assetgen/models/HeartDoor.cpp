// Ring triangulation between a rectangle and a star-shaped hole.
#include "models/HeartDoor.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tavernrush::assetgen {

std::vector<glm::vec2> heartOutline(glm::vec2 centre, float width, int points)
{
    // x = 16 sin^3 t, y = 13 cos t - 5 cos 2t - 2 cos 3t - cos 4t is 32
    // units wide; its centre of symmetry sits near y = 2.5, which the
    // outline is shifted by so `centre` is the middle of the heart.
    std::vector<glm::vec2> outline;
    const float scale = width / 32.0f;
    for (int i = 0; i < points; ++i) {
        const float t = -static_cast<float>(i) * 6.2831853f / static_cast<float>(points);
        const float s = std::sin(t);
        const float x = 16.0f * s * s * s;
        const float y = 13.0f * std::cos(t) - 5.0f * std::cos(2.0f * t) - 2.0f * std::cos(3.0f * t) - std::cos(4.0f * t);
        outline.push_back(centre + scale * glm::vec2(x, y + 2.5f));
    }
    return outline;
}

namespace {

// Distance along the ray to the first crossing of the closed outline.
float rayHit(glm::vec2 origin, glm::vec2 direction, const std::vector<glm::vec2>& outline)
{
    float best = std::numeric_limits<float>::max();
    const std::size_t n = outline.size();
    for (std::size_t i = 0; i < n; ++i) {
        const glm::vec2 p = outline[i];
        const glm::vec2 q = outline[(i + 1) % n];
        const glm::vec2 e = q - p;
        const float denominator = direction.x * e.y - direction.y * e.x;
        if (std::abs(denominator) < 1e-12f) {
            continue;
        }
        const glm::vec2 w = p - origin;
        const float t = (w.x * e.y - w.y * e.x) / denominator;
        const float u = (w.x * direction.y - w.y * direction.x) / denominator;
        if (t > 0.0f && u >= -1e-5f && u <= 1.0f + 1e-5f) {
            best = std::min(best, t);
        }
    }
    return best;
}

// A triangle whose normal is turned to face `facing`.
void addFacing(Mesh& mesh, Vertex a, Vertex b, Vertex c, const glm::vec3& facing)
{
    if (glm::dot(faceNormal(a.position, b.position, c.position), facing) < 0.0f) {
        std::swap(b, c);
    }
    mesh.addTriangle(a, b, c, true);
}

} // namespace

void addHeartDoor(Mesh& mesh, const HeartDoorLayout& door, const PictureRegion& planks, const PictureRegion& edges)
{
    const std::vector<glm::vec2> heart = heartOutline(door.heartCentre, door.heartWidth, 64);
    const std::vector<glm::vec2> rectangle{door.min, {door.max.x, door.min.y}, door.max, {door.min.x, door.max.y}};

    // Ray angles: every heart point and every door corner.
    std::vector<float> angles;
    for (const glm::vec2& p : heart) {
        angles.push_back(std::atan2(p.y - door.heartCentre.y, p.x - door.heartCentre.x));
    }
    for (const glm::vec2& p : rectangle) {
        angles.push_back(std::atan2(p.y - door.heartCentre.y, p.x - door.heartCentre.x));
    }
    std::sort(angles.begin(), angles.end());
    angles.erase(std::unique(angles.begin(), angles.end(), [](float a, float b) { return std::abs(a - b) < 1e-6f; }), angles.end());

    struct RayPoints {
        glm::vec2 inner;
        glm::vec2 outer;
    };
    std::vector<RayPoints> rays;
    for (float a : angles) {
        const glm::vec2 direction(std::cos(a), std::sin(a));
        rays.push_back({door.heartCentre + direction * rayHit(door.heartCentre, direction, heart),
                        door.heartCentre + direction * rayHit(door.heartCentre, direction, rectangle)});
    }

    const glm::vec2 size = door.max - door.min;
    // Seen from the front (-z) the door's right is -x, so the picture runs
    // from max.x to min.x there; from the back it runs the other way.
    auto frontVertex = [&](glm::vec2 p) {
        return Vertex{{p.x, p.y, door.frontZ}, {0, 0, -1}, planks.at({(door.max.x - p.x) / size.x, (p.y - door.min.y) / size.y})};
    };
    auto backVertex = [&](glm::vec2 p) {
        return Vertex{{p.x, p.y, door.backZ}, {0, 0, 1}, planks.at({(p.x - door.min.x) / size.x, (p.y - door.min.y) / size.y})};
    };
    for (std::size_t i = 0; i < rays.size(); ++i) {
        const RayPoints& r0 = rays[i];
        const RayPoints& r1 = rays[(i + 1) % rays.size()];
        addFacing(mesh, frontVertex(r0.inner), frontVertex(r0.outer), frontVertex(r1.outer), {0, 0, -1});
        addFacing(mesh, frontVertex(r0.inner), frontVertex(r1.outer), frontVertex(r1.inner), {0, 0, -1});
        addFacing(mesh, backVertex(r0.inner), backVertex(r0.outer), backVertex(r1.outer), {0, 0, 1});
        addFacing(mesh, backVertex(r0.inner), backVertex(r1.outer), backVertex(r1.inner), {0, 0, 1});
    }

    // The hole's walls face inwards, towards the heart's centre.
    for (std::size_t i = 0; i < heart.size(); ++i) {
        const glm::vec2 p = heart[i];
        const glm::vec2 q = heart[(i + 1) % heart.size()];
        const glm::vec2 middle = (p + q) * 0.5f;
        const glm::vec3 inward(door.heartCentre.x - middle.x, door.heartCentre.y - middle.y, 0.0f);
        const float s0 = static_cast<float>(i) / static_cast<float>(heart.size());
        const float s1 = static_cast<float>(i + 1) / static_cast<float>(heart.size());
        const Vertex a{{p.x, p.y, door.frontZ}, {}, edges.at({s0, 0})};
        const Vertex b{{q.x, q.y, door.frontZ}, {}, edges.at({s1, 0})};
        const Vertex c{{q.x, q.y, door.backZ}, {}, edges.at({s1, 1})};
        const Vertex d{{p.x, p.y, door.backZ}, {}, edges.at({s0, 1})};
        addFacing(mesh, a, b, c, inward);
        addFacing(mesh, a, c, d, inward);
    }

    // The door's four edges face outwards.
    const glm::vec2 centre = (door.min + door.max) * 0.5f;
    for (std::size_t i = 0; i < rectangle.size(); ++i) {
        const glm::vec2 p = rectangle[i];
        const glm::vec2 q = rectangle[(i + 1) % rectangle.size()];
        const glm::vec2 middle = (p + q) * 0.5f;
        const glm::vec3 outward(middle.x - centre.x, middle.y - centre.y, 0.0f);
        const Vertex a{{p.x, p.y, door.frontZ}, {}, edges.at({0, 0})};
        const Vertex b{{q.x, q.y, door.frontZ}, {}, edges.at({1, 0})};
        const Vertex c{{q.x, q.y, door.backZ}, {}, edges.at({1, 1})};
        const Vertex d{{p.x, p.y, door.backZ}, {}, edges.at({0, 1})};
        addFacing(mesh, a, b, c, outward);
        addFacing(mesh, a, c, d, outward);
    }
}

} // namespace tavernrush::assetgen
