#pragma once
// The game's renderer: draws a frame's value with the level's models,
// programs, pictures and pass targets.

#include "game/SceneRenderer.h"
#include "passes/LightSpace.h"
#include "render/Lights.h"
#include "scene/Level.h"
#include "scene/PassTimer.h"

namespace tavernrush {

class GlSceneRenderer : public SceneRenderer {
public:
    explicit GlSceneRenderer(Level& level) : level_(level) {}

    void draw(const FrameScene& scene) override;
    void present(const glm::ivec2& framebufferSize) override;
    void compositeOnly(const glm::ivec2& framebufferSize) override;

    // Null (the default) times nothing.
    void setPassTimer(PassTimer* timer) { passTimer_ = timer; }

private:
    void drawShadowPass(const FrameScene& scene);
    void drawFigureAndGround(const FrameScene& scene);
    void drawBrickWall(const FrameView& view, bool plainPhong);
    void drawItems(const FrameScene& scene);
    void drawModels(const FrameScene& scene);
    void drawPictures(const FrameScene& scene, bool hungWithLevel);
    void drawBoardAndCounters(const FrameScene& scene);
    void drawWinPlaque(const FrameScene& scene);
    // Draws a model with the lit program at `placement`, its picture on unit 0.
    void drawLitModel(const ImportedModel& model, const glm::mat4& placement, const Texture& picture);

    Level& level_;
    PassTimer* passTimer_ = nullptr;
    LightSpace light_{};
    // What the last scene shows over the finished image.
    std::optional<CountdownDisplay> countdown_;
    bool paused_ = false;
};

// Camera and light uniforms of a lit program for a frame's view.
CameraUniforms cameraUniformsOf(const FrameView& view);

} // namespace tavernrush
