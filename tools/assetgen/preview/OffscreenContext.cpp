#include "preview/OffscreenContext.h"

#include <GL/glew.h>
#include <GLFW/glfw3.h>

namespace tavernrush::assetgen {

OffscreenContext::OffscreenContext()
{
    if (glfwInit() != GLFW_TRUE) {
        return;
    }
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 4);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 5);
    glfwWindowHint(GLFW_OPENGL_PROFILE, GLFW_OPENGL_CORE_PROFILE);
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    window_ = glfwCreateWindow(64, 64, "tavernrush-assetpreview", nullptr, nullptr);
    if (window_ == nullptr) {
        glfwTerminate();
        return;
    }
    glfwMakeContextCurrent(window_);
    glewExperimental = GL_TRUE;
    if (glewInit() != GLEW_OK) {
        glfwDestroyWindow(window_);
        window_ = nullptr;
        glfwTerminate();
    }
}

OffscreenContext::~OffscreenContext()
{
    if (window_ != nullptr) {
        glfwDestroyWindow(window_);
        glfwTerminate();
    }
}

} // namespace tavernrush::assetgen
