#pragma once
// Where the level's fixed objects stand. The rules, the renderer, the asset
// generator and the tests all read them from here.

#include <glm/glm.hpp>

namespace tavernrush::level {

inline constexpr glm::vec3 playerStart{0.0f, 0.0f, 20.0f};
// The brick wall's centre; 5 wide along x.
inline constexpr glm::vec3 brickWall{-10.0f, 1.5f, -6.0f};
inline constexpr glm::vec3 ladder{40.0f, 0.0f, -40.0f};
// The hut's origin; its floor is 2 below it, on the ground.
inline constexpr glm::vec3 toiletHut{70.0f, 2.0f, -70.0f};
// The picture board's centre (x, z); 5 wide, standing upright.
inline constexpr glm::vec2 animationBoard{4.0f, 0.0f};
// The counter spheres circle the vertical axis through the origin this high.
inline constexpr float counterOrbitHeight = 10.0f;
// The ground plane spans +-250 in x and z.
inline constexpr float groundSize = 500.0f;

} // namespace tavernrush::level
