#pragma once
// Everything the frame loop draws, in the words of the loop. The game's GL
// renderer implements it; tests substitute a recorder, so the loop's order
// and rules run without a window.

#include "app/Pictures.h"
#include "game/ItemDrawer.h"

#include <glm/glm.hpp>

#include <string>
#include <vector>

namespace tavernrush {

// The camera values the passes of one frame read.
struct FrameView {
    glm::mat4 projectionMatrix{1.0f};
    glm::mat4 viewMatrix{1.0f};
    // The camera offset uploaded as "camera_world" and "viewPos".
    glm::vec3 cameraPosition{0.0f};
    glm::vec3 playerPosition{0.0f};
};

class SceneRenderer {
public:
    virtual ~SceneRenderer() = default;

    // Clears the window's buffers and enables the depth test.
    virtual void beginFrame() = 0;
    // H and D: the ambient factor of the ground and the animation board.
    virtual void adjustBrightness(float step) = 0;

    virtual void drawShadowPass(const FrameView& view, const glm::mat4& playerModel) = 0;
    // Binds the off-screen scene target; the player figure (unless hidden)
    // and the ground with its shadow come first.
    virtual void beginScenePass(const FrameView& view, const glm::mat4& playerModel, bool drawPlayer) = 0;
    virtual void drawSky(const FrameView& view) = 0;
    virtual void drawBrickWall(const FrameView& view, bool plainPhong) = 0;
    // Camera and light uniforms of the lit program for the objects that follow.
    virtual void prepareLitObjects(const FrameView& view) = 0;
    virtual ItemDrawer& coinDrawer() = 0;
    virtual ItemDrawer& beerDrawer() = 0;
    virtual void drawUnicorns(const std::vector<glm::vec3>& unicornPositions) = 0;
    virtual void drawLadderAndToilet() = 0;

    virtual void drawPicture(Picture picture, const glm::mat4& boardModel) = 0;
    virtual void showAnimationFrame(const std::string& path) = 0;
    virtual void drawAnimationBoard() = 0;
    virtual void showCoinPicture(const std::string& path) = 0;
    virtual void showBeerPicture(const std::string& path) = 0;
    virtual void drawCounterSpheres(float deltaTime) = 0;
    // The coins' program gets this frame's camera for the next frame's draw.
    virtual void refreshCoinProgram(const FrameView& view) = 0;
    virtual void drawCarriedBag(const glm::mat4& bagModel) = 0;
    // The end pictures are drawn with the lit program made current here.
    virtual void beginEndPictures() = 0;

    // Glow blur and composite into the window's framebuffer of the given size.
    virtual void present(const glm::ivec2& framebufferSize) = 0;
    // Only the composite of the last scene image; the benchmark's floor.
    virtual void compositeOnly(const glm::ivec2& framebufferSize) = 0;
};

// What the loop asks of the window beyond input.
class WindowControl {
public:
    virtual ~WindowControl() = default;
    virtual bool shouldClose() const = 0;
    virtual void requestClose() = 0;
    virtual void pollEvents() = 0;
    virtual void swapBuffers() = 0;
    virtual glm::ivec2 framebufferSize() const = 0;
    // Back to a window of the configured size.
    virtual void leaveFullscreen(int width, int height) = 0;
    // Onto the primary monitor at its own mode; false when there is none.
    virtual bool enterFullscreen() = 0;
};

} // namespace tavernrush
