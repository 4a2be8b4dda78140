#include "app/GameWindow.h"

#include "app/DebugOutput.h"
#include "app/DriverCheck.h"

namespace tavernrush {

std::optional<PrimaryMonitor> queryPrimaryMonitor()
{
    GLFWmonitor* monitor = glfwGetPrimaryMonitor();
    if (monitor == nullptr) {
        return std::nullopt;
    }
    const GLFWvidmode* mode = glfwGetVideoMode(monitor);
    if (mode == nullptr) {
        return std::nullopt;
    }
    return PrimaryMonitor{monitor, *mode};
}

void applyGameWindowHints(const Settings& settings)
{
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 4);
    glfwWindowHint(GLFW_OPENGL_PROFILE, GLFW_OPENGL_CORE_PROFILE);
    glfwWindowHint(GLFW_OPENGL_DEBUG_CONTEXT, GLFW_TRUE);
    glfwWindowHint(GLFW_REFRESH_RATE, settings.refreshRate);
    glfwWindowHint(GLFW_RESIZABLE, GLFW_FALSE);
    glfwWindowHint(GLFW_SAMPLES, settings.graphics.msaa);
}

std::variant<std::unique_ptr<GameWindow>, std::string> GameWindow::open(const Settings& settings)
{
    if (glfwInit() != GLFW_TRUE) {
        return std::string("Failed to init GLFW");
    }
    applyGameWindowHints(settings);

    GLFWmonitor* monitor = settings.fullscreen ? glfwGetPrimaryMonitor() : nullptr;
    GLFWwindow* window = glfwCreateWindow(settings.width, settings.height, settings.title.c_str(), monitor, nullptr);
    if (window == nullptr) {
        glfwTerminate();
        return std::string("Failed to create window");
    }
    std::unique_ptr<GameWindow> gameWindow(new GameWindow(window));
    gameWindow->primaryMonitor_ = queryPrimaryMonitor();

    glfwMakeContextCurrent(window);
    glewExperimental = GL_TRUE;
    if (glewInit() != GLEW_OK) {
        gameWindow.reset(); // closes the window and terminates GLFW
        return std::string("Failed to init GLEW");
    }
    // GLEW probes extensions the core profile no longer lists; the error it
    // leaves behind is not ours.
    glGetError();
    // A context below what the shaders need is refused here with one clear
    // line; it would otherwise open a window that stays black.
    const GlVersion version = currentGlVersion();
    if (auto problem = driverProblem(version, currentRenderer())) {
        gameWindow.reset();
        return std::move(*problem);
    }
    if (debugOutputOffered(version, GLEW_KHR_debug != 0)) {
        attachDebugOutput();
    }
    // The swap waits for the display's refresh unless the player wants every
    // frame the machine can make.
    glfwSwapInterval(settings.vsync ? 1 : 0);
    return gameWindow;
}

GameWindow::GameWindow(GLFWwindow* window) : window_(window) {}

GameWindow::~GameWindow()
{
    glfwDestroyWindow(window_);
    glfwTerminate();
}

bool GameWindow::shouldClose() const { return glfwWindowShouldClose(window_) != 0; }

void GameWindow::requestClose() { glfwSetWindowShouldClose(window_, GLFW_TRUE); }

void GameWindow::pollEvents() { glfwPollEvents(); }

void GameWindow::swapBuffers() { glfwSwapBuffers(window_); }

glm::ivec2 GameWindow::framebufferSize() const
{
    glm::ivec2 size{0};
    glfwGetFramebufferSize(window_, &size.x, &size.y);
    return size;
}

void GameWindow::leaveFullscreen(int width, int height)
{
    glfwSetWindowSize(window_, width, height);
    glfwSetWindowMonitor(window_, nullptr, 100, 45, width, height, 0);
}

bool GameWindow::enterFullscreen()
{
    // Asked again at every press: monitors come and go while the game runs.
    const auto monitor = queryPrimaryMonitor();
    if (!monitor) {
        return false;
    }
    glfwSetWindowMonitor(window_, monitor->monitor, 0, 0, monitor->mode.width, monitor->mode.height,
                         monitor->mode.refreshRate);
    return true;
}

void GameWindow::setVsync(bool on) { glfwSwapInterval(on ? 1 : 0); }

} // namespace tavernrush
