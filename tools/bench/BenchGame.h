#pragma once
// The game as the benchmark runs it, composed once for the frame run and the
// start-up probe alike: settings without vsync (a frame's time is its work,
// not the wait for the display), the level's files read ahead, window, rules,
// level and renderer.

#include "app/Game.h"
#include "scene/GlSceneRenderer.h"

#include <chrono>
#include <functional>

namespace tavernrush {

struct BenchGame {
    const Settings& settings;
    GameWindow& window;
    FrameRules& rules;
    GlSceneRenderer& renderer;
};

// Hands the composed game to `play`; false when the window cannot open.
bool withBenchGame(const std::function<void(BenchGame&)>& play);

// The steady clock in nanoseconds: the same clock in every process, so a
// start-up probe's first image can be timed from its parent's spawn.
inline long long steadyNanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace tavernrush
