#pragma once
// Sits in front of the game's renderer. Until switched it passes every frame
// through; afterwards each frame is only the floor of a frame: clear, the
// composite into the window and (by the loop) the swap.

#include "app/SceneRenderer.h"

namespace tavernrush {

class FloorSwitchRenderer : public SceneRenderer {
public:
    explicit FloorSwitchRenderer(SceneRenderer& game) : game_(game) {}

    void switchToFloorFrames() { floorOnly_ = true; }
    bool floorOnly() const { return floorOnly_; }

    void draw(const FrameScene& scene) override
    {
        if (!floorOnly_) {
            game_.draw(scene);
        }
    }
    void present(const glm::ivec2& framebufferSize) override
    {
        if (floorOnly_) {
            game_.compositeOnly(framebufferSize);
        } else {
            game_.present(framebufferSize);
        }
    }
    void compositeOnly(const glm::ivec2& framebufferSize) override { game_.compositeOnly(framebufferSize); }

private:
    SceneRenderer& game_;
    bool floorOnly_ = false;
};

} // namespace tavernrush
