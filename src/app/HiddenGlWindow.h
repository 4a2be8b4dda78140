#pragma once
// A hidden window whose GL 4.5 core context is made current with its entry
// points loaded: for the programs that draw with the game's GL code off
// screen (the asset previews, the GL tests). GLFW must be initialised.

struct GLFWwindow;

namespace tavernrush {

// Null when the window or the entry points cannot be had; GLFW is then
// terminated.
GLFWwindow* openHiddenGlWindow(int width, int height, const char* title, bool debugContext);

// Destroys the window and terminates GLFW; null is ignored.
void closeHiddenGlWindow(GLFWwindow* window);

} // namespace tavernrush
