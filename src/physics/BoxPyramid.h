#pragma once
// The layout of the box pyramid that fills the start-up physics world, kept
// free of the physics library so it can be checked on its own.

#include <glm/vec3.hpp>

#include <vector>

namespace tavernrush {

struct BoxPyramid {
    int size = 10;                       // boxes in the bottom layer
    float halfExtent = 2.0f;             // every box is a cube of edge 4
    glm::vec3 basePosition{0.0f, 0.0f, 10.0f};
    float density = 10.0f;               // mass per unit of volume
};

// Number of boxes: size + (size - 1) + ... + 1.
int boxPyramidCount(const BoxPyramid& pyramid);

// Box centres, bottom layer first and each layer from -x to +x. Layer i holds
// size - i boxes, shifted by half a box per layer so each box rests on two
// below it: local ((2j - (size - i)) h, (2i + 1) h, 0) moved to the base.
std::vector<glm::vec3> boxPyramidCentres(const BoxPyramid& pyramid);

// Mass of one box from the density: density x (2h)^3.
float boxMass(const BoxPyramid& pyramid);

} // namespace tavernrush
