#pragma once
// Where the fixed-size game image goes in a window framebuffer of any size:
// full screen and high-density screens give framebuffers larger than, and
// shaped unlike, the configured window.

#include <glm/glm.hpp>

namespace tavernrush {

// The largest rectangle of the width:height shape centred in the
// framebuffer, as x, y, width, height in framebuffer pixels. The bars left
// over on two sides are at most one pixel apart in size.
glm::ivec4 letterboxViewport(const glm::ivec2& framebufferSize, int width, int height);

} // namespace tavernrush
