#include "app/HiddenGlWindow.h"

#include <GL/glew.h>
#include <GLFW/glfw3.h>

namespace tavernrush {

GLFWwindow* openHiddenGlWindow(int width, int height, const char* title, bool debugContext)
{
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 4);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 5);
    glfwWindowHint(GLFW_OPENGL_PROFILE, GLFW_OPENGL_CORE_PROFILE);
    glfwWindowHint(GLFW_OPENGL_DEBUG_CONTEXT, debugContext ? GLFW_TRUE : GLFW_FALSE);
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    GLFWwindow* window = glfwCreateWindow(width, height, title, nullptr, nullptr);
    if (window == nullptr) {
        glfwTerminate();
        return nullptr;
    }
    glfwMakeContextCurrent(window);
    glewExperimental = GL_TRUE;
    if (glewInit() != GLEW_OK) {
        closeHiddenGlWindow(window);
        return nullptr;
    }
    // glewInit can leave a stale error from its extension probing.
    while (glGetError() != GL_NO_ERROR) {
    }
    return window;
}

void closeHiddenGlWindow(GLFWwindow* window)
{
    if (window != nullptr) {
        glfwDestroyWindow(window);
        glfwTerminate();
    }
}

} // namespace tavernrush
