#pragma once
// The state the frame loop carries from frame to frame.

#include "game/Player.h"

namespace tavernrush {

struct GameState {
    // Seconds between the last two frames; 0 in the first frame.
    float deltaTime = 0.0f;
    // Clock reading at the end of the previous frame. Kept in double so the
    // frame time stays exact however long the game runs.
    double lastFrameTime = 0.0;
    // The run's time since its start or restart; the level's time limit is
    // measured against it, and a win records it.
    float gameTimer = 0.0f;
    float frameAnimTimer = 0.0f;
    // Number of the next picture of the board's animation, 1 to 22.
    int frameAnimIndex = 2;
    // A full-screen picture is up: the player is frozen and hidden.
    bool screenShown = false;
    PlayerState player;
};

// A stall (a dragged window, a slow disk) must not teleport the figure or
// drop objects through the ground.
inline constexpr float maxFrameSeconds = 0.1f;

// Early in every frame: the timers that grow with frame time.
void advanceTimers(GameState& state);

// At the end of a frame: the frame time for the next one, capped at
// maxFrameSeconds.
void takeFrameTime(GameState& state, double now);

} // namespace tavernrush
