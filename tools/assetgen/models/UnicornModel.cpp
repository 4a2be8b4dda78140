// The unicorn: ellipsoid body and head, tapered legs, swept tubes for neck,
// mane and tail. The mane and tail run along a rainbow cell, so their colour
// changes along their length.
#include "models/UnicornModel.h"

#include "Atlas.h"
#include "Colour.h"
#include "ImageFiles.h"
#include "Noise.h"
#include "Primitives.h"

#include <glm/gtc/matrix_transform.hpp>

#include <cmath>

namespace tavernrush::assetgen {

namespace {

using primitives::Shading;

struct Palette {
    PictureRegion coat, muzzle, hoof, horn, eye, innerEar, rainbow, blush;
};

Palette paintPalette(Atlas& atlas)
{
    Palette p;
    p.coat = atlas.paint(0, 0, 2, 2, [](glm::vec2 local, glm::vec2 pixel) {
        // Pearly white with a faint lilac sheen towards the bottom.
        const float n = perlin(glm::vec3(pixel * 0.05f, 0.0f), 1501u);
        return glm::vec4(glm::mix(glm::vec3(1.0f, 0.99f, 0.98f), glm::vec3(0.93f, 0.90f, 1.0f), local.y * 0.8f) * (0.97f + 0.03f * n), 1.0f);
    });
    p.muzzle = atlas.paintSolid(2, 0, hexColour(0xf6c6d8), 0.03f);
    p.hoof = atlas.paint(3, 0, 1, 1, [](glm::vec2 local, glm::vec2) {
        return glm::mix(hexColour(0xffe58a), hexColour(0xc9a227), local.y);
    });
    p.horn = atlas.paint(2, 1, 1, 2, [](glm::vec2 local, glm::vec2) {
        // Spiral grooves: diagonal stripes wrap around the cone.
        const float stripe = 0.5f + 0.5f * std::sin((local.x * 2.0f + local.y * 7.0f) * 6.2831853f);
        return glm::mix(hexColour(0xfff3a8), hexColour(0xe0a800), stripe * 0.8f);
    });
    p.eye = atlas.paintSolid(3, 1, hexColour(0x2a1f3d), 0.02f);
    p.innerEar = atlas.paintSolid(4, 0, hexColour(0xf48fb1), 0.03f);
    p.blush = atlas.paintSolid(4, 1, hexColour(0xf8a5c2), 0.02f);
    p.rainbow = atlas.paint(5, 0, 1, 3, [](glm::vec2 local, glm::vec2 pixel) {
        // Six bands from red at the top to violet at the bottom, with strands.
        const float band = std::floor(local.y * 6.0f) / 6.0f;
        const float strands = 0.9f + 0.1f * std::sin(pixel.x * 1.3f);
        return glm::vec4(hsvToRgb(band * 0.8f, 0.62f, 1.0f) * strands, 1.0f);
    });
    return p;
}

glm::mat4 at(const glm::vec3& p)
{
    return glm::translate(glm::mat4(1.0f), p);
}

} // namespace

UnicornAssets buildUnicorn()
{
    Atlas atlas(8);
    const Palette c = paintPalette(atlas);
    Mesh m("unicorn", "unicorn");
    constexpr Shading flat = Shading::Flat;
    constexpr Shading smooth = Shading::Smooth;

    // Body and legs; the head end is -x.
    primitives::ellipsoid(m, at({0.0f, 1.32f, 0.0f}), glm::vec3(0.95f, 0.48f, 0.44f), 16, 10, c.coat, smooth);
    for (float x : {-0.55f, 0.55f}) {
        for (float z : {-0.22f, 0.22f}) {
            const float step = x < 0.0f ? -0.06f : 0.06f;
            primitives::frustumBetween(m, {x, 1.2f, z}, {x + step, 0.14f, z}, 0.16f, 0.1f, 8, c.coat, c.coat, flat);
            primitives::frustum(m, at({x + step, 0.0f, z}), 0.13f, 0.11f, 0.16f, 8, c.hoof, c.hoof, flat);
        }
    }

    // Neck and head, raised proudly.
    const std::vector<glm::vec3> neck{{-0.62f, 1.5f, 0.0f}, {-0.85f, 1.85f, 0.0f}, {-1.02f, 2.2f, 0.0f}, {-1.12f, 2.42f, 0.0f}};
    primitives::tube(m, neck, {0.3f, 0.26f, 0.22f, 0.2f}, 10, c.coat, smooth, false);
    const glm::mat4 headTilt = at({-1.26f, 2.44f, 0.0f}) * glm::rotate(glm::mat4(1.0f), 0.45f, glm::vec3(0, 0, 1));
    primitives::ellipsoid(m, headTilt, glm::vec3(0.38f, 0.24f, 0.21f), 12, 8, c.coat, smooth);
    primitives::ellipsoid(m, at({-1.55f, 2.29f, 0.0f}), glm::vec3(0.18f, 0.16f, 0.17f), 10, 6, c.muzzle, smooth);
    for (float z : {-1.0f, 1.0f}) {
        primitives::ellipsoid(m, at({-1.66f, 2.31f, z * 0.08f}), glm::vec3(0.03f), 6, 4, c.eye, smooth); // nostrils
        primitives::ellipsoid(m, at({-1.36f, 2.55f, z * 0.17f}), glm::vec3(0.055f, 0.07f, 0.04f), 8, 5, c.eye, smooth);
        primitives::ellipsoid(m, at({-1.42f, 2.42f, z * 0.17f}), glm::vec3(0.06f, 0.04f, 0.03f), 6, 4, c.blush, smooth);
        // Ears: coat outside, pink inside.
        primitives::frustumBetween(m, {-1.1f, 2.62f, z * 0.12f}, {-1.06f, 2.9f, z * 0.14f}, 0.07f, 0.0f, 6, c.coat, c.coat, flat);
        primitives::frustumBetween(m, {-1.12f, 2.63f, z * 0.12f}, {-1.09f, 2.84f, z * 0.135f}, 0.04f, 0.0f, 6, c.innerEar, c.innerEar, flat);
    }
    // The golden horn, leaning forward.
    primitives::frustumBetween(m, {-1.3f, 2.62f, 0.0f}, {-1.58f, 2.98f, 0.0f}, 0.07f, 0.0f, 10, c.horn, c.horn, flat);

    // Rainbow mane along the neck ridge, a forelock, and a flowing tail.
    // Two strands, one to each side of the ridge, make the mane bushy.
    for (float side : {-1.0f, 1.0f}) {
        std::vector<glm::vec3> mane;
        std::vector<float> maneRadii;
        for (int i = 0; i <= 8; ++i) {
            const float t = static_cast<float>(i) / 8.0f;
            mane.emplace_back(glm::mix(-1.14f, -0.45f, t) + 0.02f * std::sin(t * 9.0f + side),
                              glm::mix(2.68f, 1.72f, t) + 0.06f * std::sin(t * 3.14159f),
                              side * (0.06f + 0.03f * std::sin(t * 11.0f)));
            maneRadii.push_back(0.16f - 0.07f * t);
        }
        primitives::tube(m, mane, maneRadii, 8, c.rainbow, smooth);
    }
    primitives::tube(m, {{-1.16f, 2.7f, 0.0f}, {-1.3f, 2.66f, 0.06f}, {-1.4f, 2.58f, 0.1f}}, {0.08f, 0.07f, 0.0f}, 8, c.rainbow, smooth);
    std::vector<glm::vec3> tail;
    std::vector<float> tailRadii;
    for (int i = 0; i <= 8; ++i) {
        const float t = static_cast<float>(i) / 8.0f;
        tail.emplace_back(0.9f + 0.55f * t, 1.55f + 0.1f * std::sin(t * 3.0f) - 0.95f * t * t, 0.08f * std::sin(t * 6.0f));
        tailRadii.push_back(0.09f + 0.07f * std::sin(t * 3.14159f) - 0.05f * t);
    }
    tailRadii.back() = 0.0f;
    primitives::tube(m, tail, tailRadii, 8, c.rainbow, smooth);

    UnicornAssets result;
    result.model.name = "unicorns";
    result.model.materials.push_back({"unicorn", glm::vec3(1.0f), glm::vec3(0.4f), 32.0f, ""});
    result.model.meshes.push_back(std::move(m));
    result.atlas = atlas.image();
    return result;
}

void writeUnicorn(const std::filesystem::path& assets)
{
    const UnicornAssets unicorn = buildUnicorn();
    writeModel(assets / "meshes", unicorn.model);
    writeJpeg(assets / "textures" / "unicornM.jpg", unicorn.atlas, 95);
}

} // namespace tavernrush::assetgen
