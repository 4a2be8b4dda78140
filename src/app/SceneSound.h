#pragma once
// Hears a frame's value: the game's sound plays its events from the camera's
// place; tests and tools that want silence pass none.

#include "game/FrameScene.h"

namespace tavernrush {

class SceneSound {
public:
    virtual ~SceneSound() = default;
    virtual void hear(const FrameScene& scene) = 0;
};

} // namespace tavernrush
