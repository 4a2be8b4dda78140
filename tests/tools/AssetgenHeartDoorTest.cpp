// The hut door's heart is a real hole: rays through the heart miss the door,
// rays through the planks hit it, and the faces point the right way.
#include "models/HeartDoor.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tavernrush::assetgen {
namespace {

// Does a ray along +z through (x, y) hit any triangle of the mesh?
bool hitsAlongZ(const Mesh& mesh, glm::vec2 point)
{
    const auto& v = mesh.vertices();
    const auto& idx = mesh.indices();
    for (std::size_t i = 0; i + 2 < idx.size(); i += 3) {
        const glm::vec2 a(v[idx[i]].position);
        const glm::vec2 b(v[idx[i + 1]].position);
        const glm::vec2 c(v[idx[i + 2]].position);
        const float d = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
        if (std::abs(d) < 1e-9f) {
            continue; // edge-on walls of the hole
        }
        const float w0 = ((b.x - point.x) * (c.y - point.y) - (b.y - point.y) * (c.x - point.x)) / d;
        const float w1 = ((c.x - point.x) * (a.y - point.y) - (c.y - point.y) * (a.x - point.x)) / d;
        if (w0 >= 0 && w1 >= 0 && w0 + w1 <= 1) {
            return true;
        }
    }
    return false;
}

TEST(HeartDoor, HeartOutlineIsStarShapedAboutItsCentre)
{
    const glm::vec2 centre(0.0f, 0.75f);
    const std::vector<glm::vec2> heart = heartOutline(centre, 0.6f, 96);
    float previous = std::atan2(heart[0].y - centre.y, heart[0].x - centre.x);
    float turned = 0.0f;
    for (std::size_t i = 1; i <= heart.size(); ++i) {
        const glm::vec2 p = heart[i % heart.size()];
        float angle = std::atan2(p.y - centre.y, p.x - centre.x);
        float step = angle - previous;
        if (step < -3.14159f) {
            step += 6.2831853f;
        } else if (step > 3.14159f) {
            step -= 6.2831853f;
        }
        EXPECT_GT(step, 0.0f) << "the ray from the centre meets the outline once";
        turned += step;
        previous = angle;
    }
    EXPECT_NEAR(turned, 6.2831853f, 1e-3f);
    // About as wide as asked.
    float minX = 1e9f;
    float maxX = -1e9f;
    for (const glm::vec2& p : heart) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
    }
    EXPECT_NEAR(maxX - minX, 0.6f, 0.02f);
}

TEST(HeartDoor, LightPassesThroughTheHeartButNotThePlanks)
{
    Mesh mesh("door", "door");
    HeartDoorLayout door;
    addHeartDoor(mesh, door, PictureRegion{}, PictureRegion{});
    EXPECT_FALSE(hitsAlongZ(mesh, door.heartCentre));
    EXPECT_FALSE(hitsAlongZ(mesh, door.heartCentre + glm::vec2(0.1f, 0.05f)));
    EXPECT_TRUE(hitsAlongZ(mesh, {0.0f, -1.0f}));
    EXPECT_TRUE(hitsAlongZ(mesh, {0.7f, 1.3f}));
    EXPECT_TRUE(hitsAlongZ(mesh, {-0.75f, 0.75f}));
    EXPECT_FALSE(hitsAlongZ(mesh, {1.0f, 0.0f})) << "nothing outside the door";
}

TEST(HeartDoor, FacesPointAwayFromTheDoorBody)
{
    Mesh mesh("door", "door");
    HeartDoorLayout door;
    addHeartDoor(mesh, door, PictureRegion{}, PictureRegion{});
    const auto& v = mesh.vertices();
    const auto& idx = mesh.indices();
    const float middleZ = (door.frontZ + door.backZ) * 0.5f;
    int front = 0;
    int back = 0;
    for (std::size_t i = 0; i + 2 < idx.size(); i += 3) {
        const glm::vec3 n = faceNormal(v[idx[i]].position, v[idx[i + 1]].position, v[idx[i + 2]].position);
        const float z = v[idx[i]].position.z;
        if (std::abs(n.z) > 0.99f && std::abs(v[idx[i + 1]].position.z - z) < 1e-6f) {
            // A face of the panel: its normal points away from the middle.
            EXPECT_GT(n.z * (z - middleZ), 0.0f);
            (z < middleZ ? front : back) += 1;
        }
        EXPECT_NEAR(glm::length(v[idx[i]].normal), 1.0f, 1e-4f);
    }
    EXPECT_GT(front, 60);
    EXPECT_EQ(front, back);
}

} // namespace
} // namespace tavernrush::assetgen
