#include "passes/Letterbox.h"

#include <algorithm>
#include <cstdint>

namespace tavernrush {

glm::ivec4 letterboxViewport(const glm::ivec2& framebufferSize, int width, int height)
{
    // A minimised window reports 0 x 0; a viewport may not be negative.
    const std::int64_t frameWidth = std::max(framebufferSize.x, 0);
    const std::int64_t frameHeight = std::max(framebufferSize.y, 0);
    if (width <= 0 || height <= 0) {
        return {0, 0, static_cast<int>(frameWidth), static_cast<int>(frameHeight)};
    }
    // Integer cross-multiplication: an image of the framebuffer's own shape
    // fills it exactly instead of missing a pixel to float rounding.
    std::int64_t fitWidth = frameWidth;
    std::int64_t fitHeight = frameHeight;
    if (frameWidth * height <= frameHeight * width) {
        fitHeight = (frameWidth * height + width / 2) / width;
    } else {
        fitWidth = (frameHeight * width + height / 2) / height;
    }
    fitWidth = std::min(fitWidth, frameWidth);
    fitHeight = std::min(fitHeight, frameHeight);
    return {static_cast<int>((frameWidth - fitWidth) / 2), static_cast<int>((frameHeight - fitHeight) / 2),
            static_cast<int>(fitWidth), static_cast<int>(fitHeight)};
}

} // namespace tavernrush
