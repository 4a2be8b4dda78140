#pragma once
// Sits in front of the game's renderer. Until switched it passes every call
// through; afterwards each frame is only the floor of a frame: clear, the
// composite into the window and (by the loop) the swap.

#include "app/SceneRenderer.h"

namespace tavernrush {

class FloorSwitchRenderer : public SceneRenderer {
public:
    explicit FloorSwitchRenderer(SceneRenderer& game) : game_(game) {}

    void switchToFloorFrames() { floorOnly_ = true; }
    bool floorOnly() const { return floorOnly_; }

    void beginFrame() override { game_.beginFrame(); }
    void adjustBrightness(float step) override { when(&SceneRenderer::adjustBrightness, step); }
    void drawShadowPass(const FrameView& view, const glm::mat4& playerModel) override
    {
        when(&SceneRenderer::drawShadowPass, view, playerModel);
    }
    void beginScenePass(const FrameView& view, const glm::mat4& playerModel, bool drawPlayer) override
    {
        when(&SceneRenderer::beginScenePass, view, playerModel, drawPlayer);
    }
    void drawSky(const FrameView& view) override { when(&SceneRenderer::drawSky, view); }
    void drawBrickWall(const FrameView& view, bool plainPhong) override
    {
        when(&SceneRenderer::drawBrickWall, view, plainPhong);
    }
    void prepareLitObjects(const FrameView& view) override { when(&SceneRenderer::prepareLitObjects, view); }
    ItemDrawer& coinDrawer() override { return floorOnly_ ? nothing_ : game_.coinDrawer(); }
    ItemDrawer& beerDrawer() override { return floorOnly_ ? nothing_ : game_.beerDrawer(); }
    void drawUnicorns(const std::vector<glm::vec3>& positions) override
    {
        when(&SceneRenderer::drawUnicorns, positions);
    }
    void drawLadderAndToilet() override { when(&SceneRenderer::drawLadderAndToilet); }
    void drawPicture(Picture picture, const glm::mat4& boardModel) override
    {
        when(&SceneRenderer::drawPicture, picture, boardModel);
    }
    void showAnimationFrame(const std::string& path) override { when(&SceneRenderer::showAnimationFrame, path); }
    void drawAnimationBoard() override { when(&SceneRenderer::drawAnimationBoard); }
    void showCoinPicture(const std::string& path) override { when(&SceneRenderer::showCoinPicture, path); }
    void showBeerPicture(const std::string& path) override { when(&SceneRenderer::showBeerPicture, path); }
    void drawCounterSpheres(float deltaTime) override { when(&SceneRenderer::drawCounterSpheres, deltaTime); }
    void refreshCoinProgram(const FrameView& view) override { when(&SceneRenderer::refreshCoinProgram, view); }
    void drawCarriedBag(const glm::mat4& bagModel) override { when(&SceneRenderer::drawCarriedBag, bagModel); }
    void beginEndPictures() override { when(&SceneRenderer::beginEndPictures); }
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
    class NoItems : public ItemDrawer {
    public:
        void drawItem(const glm::mat4&) override {}
    };

    template <typename... Params, typename... Args>
    void when(void (SceneRenderer::*step)(Params...), Args&&... args)
    {
        if (!floorOnly_) {
            (game_.*step)(std::forward<Args>(args)...);
        }
    }

    SceneRenderer& game_;
    NoItems nothing_;
    bool floorOnly_ = false;
};

} // namespace tavernrush
