#pragma once
// A renderer that draws nothing, for running the real frame loop's rules
// without a GL context: the rules benchmark and the tests of the tools.

#include "app/SceneRenderer.h"

namespace tavernrush {

class NullSceneRenderer : public SceneRenderer {
public:
    void beginFrame() override {}
    void adjustBrightness(float) override {}
    void drawShadowPass(const FrameView&, const glm::mat4&) override {}
    void beginScenePass(const FrameView&, const glm::mat4&, bool) override {}
    void drawSky(const FrameView&) override {}
    void drawBrickWall(const FrameView&, bool) override {}
    void prepareLitObjects(const FrameView&) override {}
    ItemDrawer& coinDrawer() override { return items_; }
    ItemDrawer& beerDrawer() override { return items_; }
    void drawUnicorns(const std::vector<glm::vec3>&) override {}
    void drawLadderAndToilet() override {}
    void drawPicture(Picture, const glm::mat4&) override {}
    void showAnimationFrame(const std::string&) override {}
    void drawAnimationBoard() override {}
    void showCoinPicture(const std::string&) override {}
    void showBeerPicture(const std::string&) override {}
    void drawCounterSpheres(float) override {}
    void refreshCoinProgram(const FrameView&) override {}
    void drawCarriedBag(const glm::mat4&) override {}
    void beginEndPictures() override {}
    void present(const glm::ivec2&) override {}
    void compositeOnly(const glm::ivec2&) override {}

    // How many collectibles the loop handed over for drawing.
    long itemsDrawn() const { return items_.count; }

private:
    class CountingItems : public ItemDrawer {
    public:
        void drawItem(const glm::mat4&) override { ++count; }
        long count = 0;
    };
    CountingItems items_;
};

} // namespace tavernrush
