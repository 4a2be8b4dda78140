#pragma once
// The program: start-up, the frame loop and shut-down.

#include "app/FrameLoop.h"
#include "app/Input.h"
#include "app/SceneRenderer.h"

#include <functional>

namespace tavernrush {

// What differs between the game and the replay tool. Null members fall back
// to the real thing: GLFW's keys, mouse and clock, and no observer.
struct GameHooks {
    InputSource* input = nullptr;
    Clock* clock = nullptr;
    FrameObserver* observer = nullptr;
    // Lets a tool put its own renderer in front of the game's (the benchmark
    // switches to floor frames this way); returns the renderer to use.
    std::function<SceneRenderer&(SceneRenderer& game)> wrapRenderer;
};

// Runs the game from the current directory's assets/ and returns the exit
// status (0 after a normal end, 1 after a start-up failure).
int runGame(const GameHooks& hooks = {});

} // namespace tavernrush
