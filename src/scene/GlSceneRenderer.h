#pragma once
// The game's renderer: draws a frame's value with the level's models,
// programs, pictures and pass targets.

#include "game/SceneRenderer.h"
#include "passes/LightSpace.h"
#include "render/Lights.h"
#include "scene/AutomaticRenderScale.h"
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
    // From now on each frame is drawn at the scale that holds the display's
    // rate (`refreshHz`, or 60 where it is 0).
    void scaleAutomatically(double refreshHz, bool vsync) { automaticScale_.emplace(refreshHz, vsync); }
    // From now on each frame is drawn at `scale` (0.25 to 1); the automatic
    // scale's timers, if any, are released.
    void scaleFixed(float scale);
    bool scalesAutomatically() const { return automaticScale_.has_value(); }
    // The fraction of the window's size the last frame was drawn at.
    float renderScale() const { return level_.bloom.renderScale(); }

private:
    void drawShadowPass(const FrameScene& scene);
    void drawItem(const FrameScene& scene, const DrawItem& item);
    // The figure and the ground, with the program that puts the player's
    // shadow on them.
    void drawOnShadowedGround(const FrameScene& scene, const DrawItem& item);
    void drawGhost(const FrameScene& scene, const DrawItem& item);
    void drawBrickWall(const FrameScene& scene, const DrawItem& item);
    // Draws a model with the lit program at the item's place, its picture on
    // unit 0, with the surface and normal matrix the item names.
    void drawLitModel(const ImportedModel& model, const DrawItem& item, const Texture& picture);
    void drawAnimationBoard(const FrameScene& scene, const DrawItem& item);
    void drawCounterSpheres(const FrameScene& scene);
    void drawWinPlaque(const FrameScene& scene);
    static void setNormalMatrix(Shader& shader, const DrawItem& item);

    Level& level_;
    PassTimer* passTimer_ = nullptr;
    std::optional<AutomaticRenderScale> automaticScale_;
    LightSpace light_{};
    // What the last scene shows over the finished image.
    std::optional<CountdownDisplay> countdown_;
    bool paused_ = false;
    std::optional<MenuView> menu_;
    std::optional<std::string> prompt_;
};

// Camera and light uniforms of a lit program for a frame's view.
CameraUniforms cameraUniformsOf(const FrameView& view);

} // namespace tavernrush
