#pragma once
// The game's renderer: draws what the frame loop decides with the level's
// models, programs, pictures and pass targets.

#include "app/LevelModels.h"
#include "app/LevelResources.h"
#include "app/SceneRenderer.h"
#include "game/FieldDrawers.h"
#include "passes/Bloom.h"
#include "passes/ShadowMap.h"
#include "render/Lights.h"
#include "render/Skybox.h"

namespace tavernrush {

// Everything the renderer draws with; each part is owned by the start-up
// code and outlives the renderer.
struct RenderParts {
    LevelModels& models;
    const SceneLights& lights;
    LevelShaders& shaders;
    LevelTextures& textures;
    LevelMaterials& materials;
    LevelGeometry& geometry;
    Bloom& bloom;
    ShadowMap& shadowMap;
    CoinFieldDrawer& coins;
    BeerFieldDrawer& beers;
    Skybox& skybox;
};

class GlSceneRenderer : public SceneRenderer {
public:
    explicit GlSceneRenderer(RenderParts parts) : p_(parts) {}

    void beginFrame() override;
    void adjustBrightness(float step) override;
    void drawShadowPass(const FrameView& view, const glm::mat4& playerModel) override;
    void beginScenePass(const FrameView& view, const glm::mat4& playerModel, bool drawPlayer) override;
    void drawSky(const FrameView& view) override;
    void drawBrickWall(const FrameView& view, bool plainPhong) override;
    void prepareLitObjects(const FrameView& view) override;
    ItemDrawer& coinDrawer() override { return p_.coins; }
    ItemDrawer& beerDrawer() override { return p_.beers; }
    void drawUnicorns(const std::vector<glm::vec3>& unicornPositions) override;
    void drawLadderAndToilet() override;
    void drawPicture(Picture picture, const glm::mat4& boardModel) override;
    void showAnimationFrame(const std::string& path) override;
    void drawAnimationBoard() override;
    void showCoinPicture(const std::string& path) override;
    void showBeerPicture(const std::string& path) override;
    void drawCounterSpheres(float deltaTime) override;
    void refreshCoinProgram(const FrameView& view) override;
    void drawCarriedBag(const glm::mat4& bagModel) override;
    void beginEndPictures() override;
    void present(const glm::ivec2& framebufferSize) override;
    void compositeOnly(const glm::ivec2& framebufferSize) override;

private:
    // Draws a model with the lit program at `model`, its picture on unit 0.
    void drawLitModel(const ImportedModel& model, const glm::mat4& placement, const Texture& picture);

    RenderParts p_;
    LightSpace light_{};
};

// Camera and light uniforms of a lit program for this frame's view.
CameraUniforms cameraUniformsOf(const FrameView& view);

} // namespace tavernrush
