// Atlas cells and their inset regions.
#include "Atlas.h"

#include "Noise.h"

namespace tavernrush::assetgen {

Atlas::Atlas(int cells)
    : image_(cells * cellSize, cells * cellSize, glm::vec4(0.5f, 0.5f, 0.5f, 1.0f))
{
}

PictureRegion Atlas::paint(int column, int row, int columns, int rows,
                           const std::function<glm::vec4(glm::vec2, glm::vec2)>& painter)
{
    const int x0 = column * cellSize;
    const int y0 = row * cellSize;
    const int w = columns * cellSize;
    const int h = rows * cellSize;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const glm::vec2 local((static_cast<float>(x) + 0.5f) / static_cast<float>(w),
                                  (static_cast<float>(y) + 0.5f) / static_cast<float>(h));
            image_.at(x0 + x, y0 + y) = painter(local, glm::vec2(x0 + x, y0 + y));
        }
    }
    const float size = static_cast<float>(image_.width());
    const float margin = 6.0f;
    return {glm::vec2(static_cast<float>(x0) + margin, static_cast<float>(y0) + margin) / size,
            glm::vec2(static_cast<float>(x0 + w) - margin, static_cast<float>(y0 + h) - margin) / size};
}

PictureRegion Atlas::paintSolid(int column, int row, const glm::vec4& colour, float mottle)
{
    return paint(column, row, 1, 1, [&](glm::vec2, glm::vec2 pixel) {
        const float n = perlin(glm::vec3(pixel * 0.08f, static_cast<float>(column * 7 + row)), 1301u);
        const float grain = hashUnit(static_cast<int>(pixel.x), static_cast<int>(pixel.y), 1302u) - 0.5f;
        return glm::vec4(glm::clamp(glm::vec3(colour) * (1.0f + mottle * n + mottle * 0.5f * grain), 0.0f, 1.0f), 1.0f);
    });
}

} // namespace tavernrush::assetgen
