#pragma once
// The player figure's state and the movement rules that change it: walking,
// turning, the brick wall, the ladder, jumping and falling.

#include "game/Input.h"
#include "game/LevelDescription.h"

#include <glm/glm.hpp>

namespace tavernrush {

struct PlayerState {
    // y is the height above the ground.
    glm::vec3 playerPosition{0.0f};
    glm::vec3 playerDirection{0.0f, 0.0f, -1.0f};
    glm::mat4 playerModel{1.0f};
    // Turned with the figure; the picture boards above the player use it.
    glm::mat4 playerHeading{1.0f};
    bool jumpActive = false;
    // Seconds since the last jump started.
    float jumpCooldown = 0.0f;
    bool onLadderTop = false;
};

// The player standing at the level's start, facing north.
PlayerState playerAtStart(const LevelDescription& level);

inline constexpr float walkUnitsPerSecond = 15.0f;
inline constexpr float turnRadiansPerSecond = 1.0471976f;
inline constexpr float jumpTopHeight = 6.0f;
inline constexpr float jumpCooldownSeconds = 1.0f;

// Forward, back, right, left in that order, each by how strongly it is
// asked for (a key fully, a stick by its deflection).
// A step into the level's brick wall is refused.
void walkAndTurn(PlayerState& player, const InputSource& input, float deltaTime, const LevelDescription& level);

// Lifts the player onto the raised level at the ladder, or lets him fall
// once he has walked off its far edge.
void applyLadder(PlayerState& player, const LevelDescription& level);

// Starts a jump when asked (after the cooldown, not on the raised level), then
// rises or falls one step.
void jumpAndFall(PlayerState& player, bool jumpHeld, float deltaTime);

} // namespace tavernrush
