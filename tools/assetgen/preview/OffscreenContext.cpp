#include "preview/OffscreenContext.h"

#include "app/HiddenGlWindow.h"

#include <GLFW/glfw3.h>

namespace tavernrush::assetgen {

OffscreenContext::OffscreenContext()
{
    if (glfwInit() == GLFW_TRUE) {
        window_ = openHiddenGlWindow(64, 64, "tavernrush-assetpreview", false);
    }
}

OffscreenContext::~OffscreenContext() { closeHiddenGlWindow(window_); }

} // namespace tavernrush::assetgen
