#pragma once
// A small software renderer for the preview sheets: perspective-correct
// textured triangles with a depth buffer and Lambert shading. It needs no GL
// context, so previews can be made on any machine that builds the generator.

#include "Image.h"

#include <functional>

namespace tavernrush::assetgen {

struct RasterVertex {
    glm::vec3 position{0.0f}; // world space
    glm::vec3 normal{0.0f, 1.0f, 0.0f};
    glm::vec2 st{0.0f}; // texture coordinate as the GL sampler receives it
};

using Sampler = std::function<glm::vec4(glm::vec2)>;

class Rasterizer {
public:
    Rasterizer(int width, int height, const glm::vec4& background);

    void setCamera(const glm::vec3& eye, const glm::vec3& target, float verticalFovDegrees);
    void setViewProjection(const glm::mat4& view, const glm::mat4& projection);
    // Colours every pixel from its viewing direction (a sky behind the scene).
    void paintBackground(const std::function<glm::vec4(glm::vec3)>& colourForDirection);
    // Direction towards the light and the share of unlit brightness.
    void setLight(const glm::vec3& towardLight, float ambient);

    // Both sides of every triangle are drawn, as the game culls nothing.
    void drawTriangle(const RasterVertex& a, const RasterVertex& b, const RasterVertex& c, const Sampler& sampler,
                      bool lit = true);

    const Image& image() const { return image_; }

private:
    struct ClipVertex {
        glm::vec4 clip;
        RasterVertex vertex;
    };
    void rasterise(const ClipVertex& a, const ClipVertex& b, const ClipVertex& c, const Sampler& sampler, bool lit);

    Image image_;
    std::vector<float> depth_;
    glm::mat4 viewProjection_{1.0f};
    glm::vec3 eye_{0.0f};
    glm::vec3 towardLight_{0.0f, 1.0f, 0.0f};
    float ambient_ = 0.35f;
};

} // namespace tavernrush::assetgen
