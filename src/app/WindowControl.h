#pragma once
// What the frame loop asks of the window beyond input: GLFW in the game, a
// recorder in tests.

#include <glm/glm.hpp>

namespace tavernrush {

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
