#pragma once
// The toilet hut's door: a plank panel with a heart cut right through it.
// The panel face is the ring between the door's rectangle and the heart's
// outline, triangulated along rays from the heart's centre (the heart is
// star-shaped about that point), so the hole is real geometry and the hut's
// dark inside shows through it.

#include "Mesh.h"

#include <vector>

namespace tavernrush::assetgen {

struct HeartDoorLayout {
    glm::vec2 min{-0.8f, -2.0f}; // door rectangle in the door plane (x, y)
    glm::vec2 max{0.8f, 1.4f};
    glm::vec2 heartCentre{0.0f, 0.75f};
    float heartWidth = 0.6f;
    float frontZ = -1.98f; // the face the player sees (towards -z)
    float backZ = -1.90f;
};

// The heart outline in the door plane, counter-clockwise, y up.
std::vector<glm::vec2> heartOutline(glm::vec2 centre, float width, int points);

// Adds the door to the mesh: both faces (picture region mapped over the
// whole door), the hole's inner walls and the door's edges.
void addHeartDoor(Mesh& mesh, const HeartDoorLayout& door, const PictureRegion& planks, const PictureRegion& edges);

} // namespace tavernrush::assetgen
