#pragma once
// textures/bricks.jpg and textures/bricksN.jpg: the brick wall's colour
// picture and its tangent-space normal map, both derived from one brick
// layout so every bump sits on a painted brick edge. The picture covers the
// 5 x 3 wall face, so it keeps that 5:3 shape.

#include "Image.h"

#include <filesystem>

namespace tavernrush::assetgen {

struct BrickLayout {
    int width = 1280;
    int height = 768;
    int brickLength = 128; // pixels, mortar included: 10 bricks across the 5-unit wall
    int courseHeight = 48; // 16 courses up the 3-unit wall
    int mortar = 8;        // joint width

    struct Spot {
        bool inMortar = false;
        glm::ivec2 brick{0}; // brick index (column, course)
        glm::vec2 local{0};  // position inside the brick, pixels from its top-left
        glm::vec2 size{0};   // the brick's size without mortar
    };
    // What lies at a pixel centre; every other course is shifted by half a brick.
    Spot at(float x, float y) const;
};

struct BrickPictures {
    Image colour;
    Image normals;
};

BrickPictures paintBrickPictures(const BrickLayout& layout = {});
void writeBrickPictures(const std::filesystem::path& assets);

} // namespace tavernrush::assetgen
