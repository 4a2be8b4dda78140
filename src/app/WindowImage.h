#pragma once
// The window's image as a PNG file: the replay's shots and the player's
// screenshots.

#include <glm/glm.hpp>

#include <string>
#include <vector>

namespace tavernrush {

// GL hands rows bottom-up; PNG wants them top-down. A window has no
// transparency, so alpha is made opaque whatever the back buffer held (a
// framebuffer with an alpha channel keeps whatever the last pass wrote there).
std::vector<unsigned char> windowImageRows(const std::vector<unsigned char>& bottomUpRgba, glm::ivec2 size);

// The size of the current context's default framebuffer in pixels.
glm::ivec2 currentWindowFramebufferSize();

// Reads the back buffer of the default framebuffer (the finished frame, before
// the swap) and writes it as PNG, whole or not at all (see AtomicFile.h).
// Leaves the read and pack state as it was. Returns an empty string on
// success, else what went wrong.
std::string saveWindowImage(const std::string& path, glm::ivec2 size);

} // namespace tavernrush
