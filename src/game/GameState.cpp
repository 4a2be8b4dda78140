#include "game/GameState.h"

#include <algorithm>

namespace tavernrush {

void advanceTimers(GameState& state)
{
    state.frameAnimTimer = static_cast<float>(static_cast<double>(state.frameAnimTimer) + state.deltaTime);
    state.player.jumpCooldown = static_cast<float>(static_cast<double>(state.player.jumpCooldown) + state.deltaTime);
    state.gameTimer += state.deltaTime;
}

void takeFrameTime(GameState& state, double now)
{
    const double previous = state.lastFrameTime;
    state.lastFrameTime = now;
    // A clock that goes backwards gives no negative step either.
    state.deltaTime = static_cast<float>(std::clamp(now - previous, 0.0, static_cast<double>(maxFrameSeconds)));
}

} // namespace tavernrush
