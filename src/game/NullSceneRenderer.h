#pragma once
// A renderer that draws nothing, for running the real frame loop without a GL
// context: the rules benchmark and the tests.

#include "game/SceneRenderer.h"

namespace tavernrush {

class NullSceneRenderer : public SceneRenderer {
public:
    void draw(const FrameScene&) override { ++framesDrawn; }
    void present(const glm::ivec2&) override {}
    void compositeOnly(const glm::ivec2&) override {}

    long framesDrawn = 0;
};

} // namespace tavernrush
