#pragma once
// Where the game puts things, as far as the pictures and models care: the
// ground picture lays paths between these places and the models turn to face
// the player's starting area. Seen from above, as (x, z), from the game's own
// layout.

#include "game/LevelLayout.h"

#include <glm/glm.hpp>

namespace tavernrush::assetgen::level {

inline constexpr glm::vec2 fromAbove(const glm::vec3& p) { return {p.x, p.z}; }

constexpr float groundSize = tavernrush::level::groundSize; // the ground plane spans +-250 in x and z
constexpr glm::vec2 playerStart = fromAbove(tavernrush::level::playerStart);
constexpr glm::vec2 animationBoard = tavernrush::level::animationBoard; // board centre, 5 wide
constexpr glm::vec2 counterSpheres{0.0f, 0.0f}; // they circle the vertical axis
constexpr glm::vec2 ladder = fromAbove(tavernrush::level::ladder);
constexpr glm::vec2 toiletHut = fromAbove(tavernrush::level::toiletHut);
constexpr glm::vec2 brickWall = fromAbove(tavernrush::level::brickWall); // 5 wide along x

} // namespace tavernrush::assetgen::level
