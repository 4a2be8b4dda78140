#pragma once
// The six sky faces and the direction each of their pixels looks along. The
// game flips every face file vertically before upload, so a file's top row is
// texture row t = 0; with the OpenGL cube-map rules that makes the direction
// of file column s and file row t (both 0..1, t from the top) as below.

#include <glm/glm.hpp>

#include <array>

namespace tavernrush::assetgen {

enum class CubeFace { Right, Left, Top, Bottom, Front, Back };

constexpr std::array<CubeFace, 6> allCubeFaces{CubeFace::Right, CubeFace::Left, CubeFace::Top,
                                               CubeFace::Bottom, CubeFace::Front, CubeFace::Back};

// File name below assets/textures/skybox/.
const char* cubeFaceFile(CubeFace face);

// World direction (not normalised) seen through the point (s, t) of the face.
glm::vec3 cubeFaceDirection(CubeFace face, float s, float t);

} // namespace tavernrush::assetgen
