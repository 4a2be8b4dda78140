#include "passes/FramebufferCheck.h"

#include <GL/glew.h>

#include <iostream>

namespace tavernrush {

bool checkFramebufferComplete()
{
    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE) {
        return true;
    }
    // Flushed at once, so the line is on the console even if the driver
    // brings the program down right after.
    std::cout << framebufferErrorMessage << std::endl;
    return false;
}

} // namespace tavernrush
