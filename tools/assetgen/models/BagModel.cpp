// The sack: a plump body, a gathered neck with a flared top, a cord, and a
// coin patch.
#include "models/BagModel.h"

#include "Atlas.h"
#include "Colour.h"
#include "ImageFiles.h"
#include "Noise.h"
#include "Painter.h"
#include "Primitives.h"
#include "Text.h"

#include <glm/gtc/matrix_transform.hpp>

#include <cmath>

namespace tavernrush::assetgen {

namespace {

glm::vec4 burlap(glm::vec2 pixel, const glm::vec3& base)
{
    // Coarse weave: alternating over-under threads.
    const float u = std::sin(pixel.x * 1.4f);
    const float v = std::sin(pixel.y * 1.4f);
    const float weave = 0.5f + 0.5f * (u * v > 0.0f ? u : v);
    const float fuzz = hashUnit(static_cast<int>(pixel.x), static_cast<int>(pixel.y), 1801u) - 0.5f;
    return glm::vec4(base * (0.82f + 0.25f * weave + 0.1f * fuzz), 1.0f);
}

} // namespace

BagAssets buildBag()
{
    Atlas atlas(8);
    const PictureRegion sack = atlas.paint(0, 0, 4, 4, [](glm::vec2, glm::vec2 pixel) { return burlap(pixel, {0.70f, 0.28f, 0.20f}); });
    const PictureRegion frill = atlas.paint(4, 0, 2, 2, [](glm::vec2, glm::vec2 pixel) { return burlap(pixel, {0.80f, 0.40f, 0.28f}); });
    const PictureRegion cord = atlas.paint(6, 0, 2, 1, [](glm::vec2 local, glm::vec2) {
        const float twist = 0.5f + 0.5f * std::sin((local.x * 3.0f + local.y * 2.0f) * 6.2831853f);
        return glm::mix(hexColour(0xf7d56b), hexColour(0xb07d12), twist);
    });
    Image coinPicture(128, 128, hexColour(0xb08a2a));
    fill(coinPicture, shapes::circle({64, 64}, 60), hexColour(0x7a4a02));
    fill(coinPicture, shapes::circle({64, 64}, 55), radialGradient({50, 45}, 90, hexColour(0xfff3a0), hexColour(0xd4920a)));
    fill(coinPicture, shapes::outline(shapes::circle({64, 64}, 44), 3), hexColour(0x9a6a08));
    TextStyle letter;
    letter.pixelHeight = 84;
    letter.maxDistance = 4;
    fill(coinPicture, shapes::grown(textShape("T", {64, 64}, letter), 3), hexColour(0x8a5a05));
    fill(coinPicture, textShape("T", {64, 64}, letter), hexColour(0xffe36e));
    const PictureRegion coin = atlas.paint(4, 2, 2, 2, [&coinPicture](glm::vec2 local, glm::vec2) {
        return coinPicture.sample(local.x * 128.0f, local.y * 128.0f);
    });

    Mesh m("bag", "bag");
    using primitives::Shading;
    // Body: a plump ellipsoid, sitting a little low so the neck fits on top.
    primitives::ellipsoid(m, glm::translate(glm::mat4(1.0f), glm::vec3(0.0f, -0.12f, 0.0f)), glm::vec3(0.45f, 0.42f, 0.3f), 14, 9,
                          sack, Shading::Smooth);
    primitives::frustum(m, glm::translate(glm::mat4(1.0f), glm::vec3(0.0f, 0.2f, 0.0f)), 0.2f, 0.1f, 0.2f, 10, sack, sack,
                        Shading::Smooth, false);
    primitives::frustum(m, glm::translate(glm::mat4(1.0f), glm::vec3(0.0f, 0.38f, 0.0f)), 0.1f, 0.24f, 0.18f, 10, frill, frill,
                        Shading::Flat);
    // The cord: a ring around the neck and two dangling ends.
    std::vector<glm::vec3> ring;
    std::vector<float> radii;
    for (int i = 0; i <= 16; ++i) {
        const float a = static_cast<float>(i) / 16.0f * 6.2831853f;
        ring.emplace_back(0.12f * std::sin(a), 0.38f, 0.12f * std::cos(a));
        radii.push_back(0.035f);
    }
    primitives::tube(m, ring, radii, 6, cord, Shading::Smooth, false);
    primitives::tube(m, {{0.05f, 0.37f, 0.12f}, {0.12f, 0.25f, 0.2f}, {0.14f, 0.1f, 0.24f}}, {0.03f, 0.03f, 0.0f}, 6, cord, Shading::Smooth);
    primitives::tube(m, {{-0.05f, 0.37f, 0.12f}, {-0.1f, 0.22f, 0.22f}, {-0.08f, 0.08f, 0.27f}}, {0.03f, 0.03f, 0.0f}, 6, cord, Shading::Smooth);
    // The coin patch on the +z side, the side the camera behind the figure sees.
    primitives::frustum(m, glm::translate(glm::mat4(1.0f), glm::vec3(0.0f, -0.14f, 0.27f)) * glm::rotate(glm::mat4(1.0f), 1.5707964f, glm::vec3(1, 0, 0))
                            // Half a turn in its own plane, so the letter stands upright.
                            * glm::rotate(glm::mat4(1.0f), 3.1415927f, glm::vec3(0, 1, 0)),
                        0.2f, 0.2f, 0.04f, 16, cord, coin, Shading::Flat);

    BagAssets result;
    result.model.name = "bag";
    result.model.materials.push_back({"bag", glm::vec3(0.7f, 0.3f, 0.2f), glm::vec3(0.1f), 8.0f, ""});
    result.model.meshes.push_back(std::move(m));
    result.atlas = atlas.image();
    return result;
}

void writeBag(const std::filesystem::path& assets)
{
    const BagAssets bag = buildBag();
    writeModel(assets / "meshes", bag.model);
    writeJpeg(assets / "textures" / "bagR.jpg", bag.atlas, 95);
}

} // namespace tavernrush::assetgen
