#pragma once
// The one GL status the game tests: whether a render target it just built can
// be drawn into.

namespace tavernrush {

inline constexpr const char* framebufferErrorMessage = "ERROR WHILE BUILDING FRAMEBUFFER";

// Checks the framebuffer bound to GL_FRAMEBUFFER. An incomplete one is
// reported with one console line and kept: start-up goes on, and the driver's
// debug output then names whatever fails to draw into it.
bool checkFramebufferComplete();

} // namespace tavernrush
