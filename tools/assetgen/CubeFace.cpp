// Cube-map face orientation, following the OpenGL major-axis table.
#include "CubeFace.h"

namespace tavernrush::assetgen {

const char* cubeFaceFile(CubeFace face)
{
    switch (face) {
    case CubeFace::Right:
        return "right.jpg";
    case CubeFace::Left:
        return "left.jpg";
    case CubeFace::Top:
        return "top.jpg";
    case CubeFace::Bottom:
        return "bottom.jpg";
    case CubeFace::Front:
        return "front.jpg";
    case CubeFace::Back:
        return "back.jpg";
    }
    return "";
}

glm::vec3 cubeFaceDirection(CubeFace face, float s, float t)
{
    const float sc = 2.0f * s - 1.0f;
    const float tc = 2.0f * t - 1.0f;
    switch (face) {
    case CubeFace::Right:
        return {1.0f, -tc, -sc};
    case CubeFace::Left:
        return {-1.0f, -tc, sc};
    case CubeFace::Top:
        return {sc, 1.0f, tc};
    case CubeFace::Bottom:
        return {sc, -1.0f, -tc};
    case CubeFace::Front:
        return {sc, -tc, 1.0f};
    case CubeFace::Back:
        return {-sc, -tc, -1.0f};
    }
    return {0.0f, 1.0f, 0.0f};
}

} // namespace tavernrush::assetgen
