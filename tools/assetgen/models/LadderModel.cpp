// The stepladder: two leaning frames of rails and rungs meeting under a top
// step, with a spreader bar holding them apart.
#include "models/LadderModel.h"

#include "ImageFiles.h"
#include "Noise.h"
#include "Primitives.h"

#include <glm/gtc/matrix_transform.hpp>

#include <cmath>

namespace tavernrush::assetgen {

Image paintLadderWood(int width, int height)
{
    Image image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            // Grain runs down the picture, along the length of every part.
            const glm::vec2 p(static_cast<float>(x) / static_cast<float>(width), static_cast<float>(y) / static_cast<float>(height));
            const float warp = 0.08f * fbmTiled(glm::vec2(p.x * 2.0f, p.y * 4.0f), 4, 3, 1601u);
            const float rings = 0.5f + 0.5f * std::sin((p.x + warp) * 6.2831853f * 9.0f);
            const float fibre = hashUnit(x, y / 6, 1602u);
            glm::vec3 wood = glm::mix(glm::vec3(0.78f, 0.55f, 0.31f), glm::vec3(0.60f, 0.38f, 0.19f), rings * 0.7f);
            wood *= 0.92f + 0.12f * fibre;
            image.at(x, y) = glm::vec4(wood, 1.0f);
        }
    }
    return image;
}

ModelRecipe buildLadder()
{
    Mesh m("ladder", "ladder_wood");
    const PictureRegion wood{{0.0f, 0.0f}, {1.0f, 1.0f}};
    const PictureRegion endGrain = wood.sub({0.0f, 0.0f}, {1.0f, 0.1f});
    const float footSpread = 1.1f;  // each frame's feet stand this far from the middle
    const float topSpread = 0.12f;
    const float footHalfWidth = 0.62f;
    const float topHalfWidth = 0.42f;
    const float railTop = ladderHeight - 0.15f;

    auto rail = [&](float side, float frame) {
        const glm::vec3 foot(side * footHalfWidth, 0.0f, frame * footSpread);
        const glm::vec3 top(side * topHalfWidth, railTop, frame * topSpread);
        // A rectangular rail: a box stretched along the segment.
        const glm::mat4 placement = primitives::alongSegment(foot, top)
                                    * glm::translate(glm::mat4(1.0f), glm::vec3(0.0f, glm::length(top - foot) * 0.5f, 0.0f));
        primitives::box(m, placement, glm::vec3(0.14f, glm::length(top - foot), 0.09f), wood, endGrain);
    };
    auto pointOn = [&](float side, float frame, float height) {
        const float t = height / railTop;
        return glm::vec3(side * glm::mix(footHalfWidth, topHalfWidth, t), height, frame * glm::mix(footSpread, topSpread, t));
    };
    // The climbing frame (towards -z) has a rung every half unit; the back
    // frame has a few braces.
    for (float frame : {-1.0f, 1.0f}) {
        rail(-1.0f, frame);
        rail(1.0f, frame);
        const float spacing = frame < 0.0f ? 0.5f : 1.5f;
        for (float h = frame < 0.0f ? 0.5f : 1.0f; h < railTop - 0.3f; h += spacing) {
            const glm::vec3 left = pointOn(-1.0f, frame, h);
            const glm::vec3 right = pointOn(1.0f, frame, h);
            const float radius = frame < 0.0f ? 0.055f : 0.045f;
            primitives::frustumBetween(m, left, right, radius, radius, 8, wood, endGrain, primitives::Shading::Smooth);
        }
    }
    // Spreader bars between the frames, and the top step.
    for (float side : {-1.0f, 1.0f}) {
        primitives::frustumBetween(m, pointOn(side, -1.0f, 2.4f) + glm::vec3(side * 0.08f, 0, 0),
                                   pointOn(side, 1.0f, 2.4f) + glm::vec3(side * 0.08f, 0, 0), 0.03f, 0.03f, 6, wood, endGrain,
                                   primitives::Shading::Flat);
    }
    primitives::box(m, glm::translate(glm::mat4(1.0f), glm::vec3(0.0f, ladderHeight - 0.08f, 0.0f)), glm::vec3(1.05f, 0.16f, 0.55f), wood,
                    wood);

    // Turn the climbing side to face the level's middle: from (40, -40) the
    // origin lies along (-1, 0, 1).
    m.transform(glm::rotate(glm::mat4(1.0f), glm::radians(135.0f), glm::vec3(0, 1, 0)));
    ModelRecipe model;
    model.name = "leiter";
    model.materials.push_back({"ladder_wood", glm::vec3(0.8f, 0.6f, 0.4f), glm::vec3(0.1f), 8.0f, "leiter_holz.jpg"});
    model.meshes.push_back(std::move(m));
    return model;
}

void writeLadder(const std::filesystem::path& assets)
{
    writeModel(assets / "meshes", buildLadder());
    writeJpeg(assets / "meshes" / "leiter_holz.jpg", paintLadderWood(128, 512), 92);
}

} // namespace tavernrush::assetgen
