#pragma once
// The game's one window with its GL 4 core debug context, and the windowing
// library's lifetime around it.

#include "app/WindowControl.h"
#include "app/Settings.h"

#include <GL/glew.h>
#include <GLFW/glfw3.h>

#include <glm/glm.hpp>

#include <memory>
#include <optional>
#include <string>
#include <variant>

namespace tavernrush {

// A copy of the primary monitor's video mode, taken once the window exists.
struct PrimaryMonitor {
    GLFWmonitor* monitor = nullptr;
    GLFWvidmode mode{};
};

class GameWindow : public WindowControl {
public:
    // Initialises GLFW, creates the window and context, loads the GL entry
    // points and attaches the debug output. On failure the windowing library
    // is already terminated and the message (without "ERROR: ") is returned.
    static std::variant<std::unique_ptr<GameWindow>, std::string> open(const Settings& settings);

    ~GameWindow() override;
    GameWindow(const GameWindow&) = delete;
    GameWindow& operator=(const GameWindow&) = delete;

    GLFWwindow* handle() const { return window_; }
    const std::optional<PrimaryMonitor>& primaryMonitor() const { return primaryMonitor_; }

    bool shouldClose() const override;
    void requestClose() override;
    void pollEvents() override;
    void swapBuffers() override;
    // Size in pixels of the default framebuffer, which differs from the
    // configured size in full screen and on high-density screens.
    glm::ivec2 framebufferSize() const override;
    void leaveFullscreen(int width, int height) override;
    bool enterFullscreen() override;
    // Swaps in step with the display's refresh, or as soon as a frame is done.
    void setVsync(bool on);

private:
    explicit GameWindow(GLFWwindow* window);

    GLFWwindow* window_ = nullptr;
    std::optional<PrimaryMonitor> primaryMonitor_;
};

// The window hints of the game's window and context (GL 4 core, debug,
// 4 samples); the benchmark's bare window takes the same.
void applyGameWindowHints(const Settings& settings);

// The current primary monitor and its mode, if the system has one.
std::optional<PrimaryMonitor> queryPrimaryMonitor();

} // namespace tavernrush
