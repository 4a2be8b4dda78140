#pragma once
// Where the game puts things, as far as the pictures and models care: the
// ground picture lays paths between these places and the models turn to face
// the player's starting area.

#include <glm/glm.hpp>

namespace tavernrush::assetgen::level {

constexpr float groundSize = 500.0f; // the ground plane spans +-250 in x and z
constexpr glm::vec2 playerStart{0.0f, 20.0f};     // (x, z)
constexpr glm::vec2 animationBoard{4.0f, 0.0f};   // board centre (x, z), 5 wide
constexpr glm::vec2 counterSpheres{0.0f, 0.0f};   // they circle the vertical axis at 10 high
constexpr glm::vec2 ladder{40.0f, -40.0f};
constexpr glm::vec2 toiletHut{70.0f, -70.0f};
constexpr glm::vec2 brickWall{-10.0f, -6.0f};     // 5 wide along x

} // namespace tavernrush::assetgen::level
