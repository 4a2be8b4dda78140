#pragma once
// Sits in front of the game's renderer and runs the benchmark's kinds of
// frame in one window: the game's own frames, then floor frames (the
// composite of the last scene image and the swap), then bare frames: what a
// window with nothing in it costs, a clear of its colour and depth and the
// swap, as any program that draws in 3D does; last the same with the colour
// alone cleared, for the record.

#include "game/SceneRenderer.h"

#include <GL/glew.h>

namespace tavernrush {

enum class BenchPhase { route, floor, bare, bareColourOnly };

class PhaseRenderer : public SceneRenderer {
public:
    explicit PhaseRenderer(SceneRenderer& game) : game_(game) {}

    void switchTo(BenchPhase phase) { phase_ = phase; }
    BenchPhase phase() const { return phase_; }

    void draw(const FrameScene& scene) override
    {
        if (phase_ == BenchPhase::route) {
            game_.draw(scene);
        }
    }
    void present(const glm::ivec2& framebufferSize) override
    {
        switch (phase_) {
        case BenchPhase::route:
            game_.present(framebufferSize);
            break;
        case BenchPhase::floor:
            game_.compositeOnly(framebufferSize);
            break;
        case BenchPhase::bare:
            glBindFramebuffer(GL_FRAMEBUFFER, 0);
            clearWindow(framebufferSize, GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            break;
        case BenchPhase::bareColourOnly:
            glBindFramebuffer(GL_FRAMEBUFFER, 0);
            clearWindow(framebufferSize, GL_COLOR_BUFFER_BIT);
            break;
        }
    }
    void compositeOnly(const glm::ivec2& framebufferSize) override { game_.compositeOnly(framebufferSize); }

    // What a bare window does before its swap. Only GL 1.1 calls, which need
    // no loaded entry points: the bare start-up does not load any.
    static void clearWindow(const glm::ivec2& framebufferSize, GLbitfield buffers)
    {
        glViewport(0, 0, framebufferSize.x, framebufferSize.y);
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(buffers);
    }

private:
    SceneRenderer& game_;
    BenchPhase phase_ = BenchPhase::route;
};

} // namespace tavernrush
