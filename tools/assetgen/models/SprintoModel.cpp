// The runner: chunky low-poly parts in a mid-stride pose, dressed by atlas
// cells.
#include "models/SprintoModel.h"

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
    PictureRegion skin, tunic, sleeve, trousers, shoe, sole, belt, buckle, steel, plume, eyeWhite, pupil, mouth, cheek,
        trim, hair;
};

Palette paintPalette(Atlas& atlas)
{
    Palette p;
    p.skin = atlas.paintSolid(0, 0, hexColour(0xf2c29b), 0.04f);
    p.tunic = atlas.paint(1, 0, 1, 1, [](glm::vec2 local, glm::vec2 pixel) {
        // Woven cloth: fine cross-hatch over the green.
        const float weave = 0.5f + 0.25f * std::sin(pixel.x * 1.6f) * std::sin(pixel.y * 1.6f);
        return glm::vec4(glm::vec3(0.22f, 0.58f, 0.28f) * (0.92f + 0.16f * weave) * (1.05f - 0.1f * local.y), 1.0f);
    });
    p.sleeve = atlas.paintSolid(2, 0, hexColour(0x2f7d3a));
    p.trousers = atlas.paint(3, 0, 1, 1, [](glm::vec2, glm::vec2 pixel) {
        const float twill = 0.5f + 0.5f * std::sin((pixel.x + pixel.y) * 0.9f);
        return glm::vec4(glm::vec3(0.20f, 0.36f, 0.68f) * (0.92f + 0.1f * twill), 1.0f);
    });
    p.shoe = atlas.paintSolid(4, 0, hexColour(0xa0522d));
    p.sole = atlas.paintSolid(5, 0, hexColour(0x3a2a20));
    p.belt = atlas.paintSolid(6, 0, hexColour(0x4a2a12));
    p.buckle = atlas.paint(7, 0, 1, 1, [](glm::vec2 local, glm::vec2) {
        return glm::mix(hexColour(0xfff1a0), hexColour(0xd49a10), local.y);
    });
    p.steel = atlas.paint(0, 1, 2, 2, [](glm::vec2 local, glm::vec2 pixel) {
        // Brushed steel with a broad highlight band: the "metall" of the name.
        const float brushed = hashUnit(0, static_cast<int>(pixel.y), 1401u) * 0.12f;
        const float highlight = std::exp(-std::pow((local.y - 0.35f) * 5.0f, 2.0f));
        return glm::vec4(glm::clamp(glm::vec3(0.52f + brushed + 0.36f * highlight) * glm::vec3(0.94f, 0.98f, 1.04f), 0.0f, 1.0f), 1.0f);
    });
    p.plume = atlas.paint(2, 1, 1, 1, [](glm::vec2 local, glm::vec2 pixel) {
        const float feather = 0.85f + 0.15f * std::sin(pixel.x * 0.9f + local.y * 6.0f);
        return glm::vec4(glm::vec3(0.88f, 0.20f, 0.16f) * feather, 1.0f);
    });
    p.eyeWhite = atlas.paintSolid(3, 1, hexColour(0xfbfbf8), 0.01f);
    p.pupil = atlas.paintSolid(4, 1, hexColour(0x1c2233), 0.02f);
    p.mouth = atlas.paintSolid(5, 1, hexColour(0xa3312b), 0.02f);
    p.cheek = atlas.paintSolid(6, 1, hexColour(0xf29a8c), 0.02f);
    p.trim = atlas.paintSolid(7, 1, hexColour(0xf4c430), 0.04f);
    p.hair = atlas.paintSolid(2, 2, hexColour(0x6b3e1e));
    return p;
}

glm::mat4 at(float x, float y, float z)
{
    return glm::translate(glm::mat4(1.0f), glm::vec3(x, y, z));
}

} // namespace

SprintoAssets buildSprinto()
{
    Atlas atlas(8);
    const Palette c = paintPalette(atlas);
    Mesh m("sprinto", "sprinto");
    constexpr Shading flat = Shading::Flat;
    constexpr Shading smooth = Shading::Smooth;

    // Legs in stride: the left leg forward (-z), the right one back.
    for (float side : {-1.0f, 1.0f}) {
        const float stride = side < 0.0f ? -0.22f : 0.2f;
        const glm::vec3 hip(side * 0.22f, 1.55f, 0.0f);
        const glm::vec3 knee(side * 0.24f, 0.85f, stride * 0.8f);
        const glm::vec3 ankle(side * 0.25f, 0.28f, stride);
        primitives::frustumBetween(m, hip, knee, 0.21f, 0.18f, 8, c.trousers, c.trousers, flat);
        primitives::ellipsoid(m, glm::translate(glm::mat4(1.0f), knee), glm::vec3(0.18f), 8, 4, c.trousers, smooth);
        primitives::frustumBetween(m, knee, ankle, 0.18f, 0.15f, 8, c.trousers, c.trousers, flat);
        // Shoe: a rounded toe box pointing forward and a dark sole.
        primitives::box(m, at(side * 0.25f, 0.2f, stride - 0.12f), glm::vec3(0.34f, 0.3f, 0.62f), c.shoe);
        primitives::ellipsoid(m, at(side * 0.25f, 0.18f, stride - 0.42f), glm::vec3(0.17f, 0.15f, 0.14f), 8, 4, c.shoe, smooth);
        primitives::box(m, at(side * 0.25f, 0.03f, stride - 0.17f), glm::vec3(0.36f, 0.06f, 0.74f), c.sole);
    }

    // Shorts, belt with buckle, tunic.
    primitives::frustum(m, at(0.0f, 1.4f, 0.0f) * glm::scale(glm::mat4(1.0f), glm::vec3(1.0f, 1.0f, 0.75f)), 0.44f, 0.42f,
                        0.35f, 10, c.trousers, c.trousers, flat);
    primitives::frustum(m, at(0.0f, 1.72f, 0.0f) * glm::scale(glm::mat4(1.0f), glm::vec3(1.0f, 1.0f, 0.72f)), 0.46f, 0.52f,
                        1.15f, 10, c.tunic, c.trim, flat);
    primitives::frustum(m, at(0.0f, 1.7f, 0.0f) * glm::scale(glm::mat4(1.0f), glm::vec3(1.0f, 1.0f, 0.74f)), 0.48f, 0.48f,
                        0.14f, 10, c.belt, c.belt, flat);
    primitives::box(m, at(0.0f, 1.77f, -0.36f), glm::vec3(0.2f, 0.16f, 0.06f), c.buckle);
    // A golden star on the chest.
    primitives::frustum(m, at(0.0f, 2.45f, -0.37f) * glm::rotate(glm::mat4(1.0f), -1.5707964f, glm::vec3(1, 0, 0)), 0.13f,
                        0.13f, 0.04f, 5, c.trim, c.trim, flat);

    // Arms swing against the legs: right arm forward, left arm back.
    for (float side : {-1.0f, 1.0f}) {
        const float swing = side < 0.0f ? 0.3f : -0.3f;
        const glm::vec3 shoulder(side * 0.56f, 2.72f, 0.0f);
        const glm::vec3 elbow(side * 0.68f, 2.2f, swing * 0.7f);
        const glm::vec3 wrist(side * 0.7f, 1.75f, swing * 0.9f - 0.1f);
        primitives::ellipsoid(m, glm::translate(glm::mat4(1.0f), shoulder), glm::vec3(0.2f), 8, 5, c.sleeve, smooth);
        primitives::frustumBetween(m, shoulder, elbow, 0.16f, 0.13f, 8, c.sleeve, c.sleeve, flat);
        primitives::frustumBetween(m, elbow, wrist, 0.12f, 0.1f, 8, c.skin, c.skin, flat);
        primitives::ellipsoid(m, glm::translate(glm::mat4(1.0f), wrist + glm::vec3(0.0f, -0.08f, 0.0f)), glm::vec3(0.13f, 0.14f, 0.12f),
                              8, 5, c.skin, smooth);
    }

    // Neck and head.
    primitives::frustum(m, at(0.0f, 2.82f, 0.0f), 0.17f, 0.16f, 0.22f, 8, c.skin, c.skin, flat);
    primitives::ellipsoid(m, at(0.0f, 3.42f, 0.0f), glm::vec3(0.46f, 0.48f, 0.44f), 14, 9, c.skin, smooth);
    // Ears.
    for (float side : {-1.0f, 1.0f}) {
        primitives::ellipsoid(m, at(side * 0.46f, 3.4f, 0.02f), glm::vec3(0.07f, 0.12f, 0.09f), 6, 4, c.skin, smooth);
    }
    // Face towards -z: eyes, nose, smile, cheeks, a fringe of hair.
    for (float side : {-1.0f, 1.0f}) {
        primitives::ellipsoid(m, at(side * 0.16f, 3.48f, -0.38f), glm::vec3(0.1f, 0.12f, 0.06f), 8, 5, c.eyeWhite, smooth);
        primitives::ellipsoid(m, at(side * 0.15f, 3.46f, -0.43f), glm::vec3(0.05f, 0.065f, 0.03f), 8, 4, c.pupil, smooth);
        primitives::ellipsoid(m, at(side * 0.27f, 3.28f, -0.33f), glm::vec3(0.08f, 0.05f, 0.05f), 6, 4, c.cheek, smooth);
    }
    primitives::ellipsoid(m, at(0.0f, 3.34f, -0.46f), glm::vec3(0.07f, 0.08f, 0.07f), 8, 5, c.skin, smooth);
    {
        std::vector<glm::vec3> smile;
        std::vector<float> radii;
        for (int i = 0; i <= 6; ++i) {
            const float t = static_cast<float>(i) / 6.0f * 2.0f - 1.0f;
            smile.emplace_back(t * 0.13f, 3.19f + 0.05f * t * t, -0.405f + 0.04f * t * t);
            radii.push_back(0.025f);
        }
        primitives::tube(m, smile, radii, 6, c.mouth, Shading::Smooth);
    }
    // Hair peeking out under the helmet at the sides and back.
    primitives::ellipsoid(m, at(0.0f, 3.5f, 0.12f), glm::vec3(0.47f, 0.3f, 0.4f), 12, 6, c.hair, smooth);
    // Steel helmet with a brim and a red plume on top.
    primitives::ellipsoid(m, at(0.0f, 3.6f, 0.02f) * glm::scale(glm::mat4(1.0f), glm::vec3(1.0f, 0.78f, 1.0f)),
                          glm::vec3(0.5f), 14, 5, c.steel, smooth);
    primitives::frustum(m, at(0.0f, 3.56f, 0.02f), 0.56f, 0.5f, 0.08f, 14, c.steel, c.steel, flat);
    std::vector<glm::vec3> plume{{0.0f, 3.86f, -0.16f}, {0.0f, 3.96f, 0.0f}, {0.0f, 3.97f, 0.18f}, {0.0f, 3.88f, 0.36f}, {0.0f, 3.72f, 0.46f}};
    primitives::tube(m, plume, {0.07f, 0.1f, 0.1f, 0.08f, 0.0f}, 8, c.plume, Shading::Smooth);

    SprintoAssets result;
    result.model.name = "sprinto";
    result.model.materials.push_back({"sprinto", glm::vec3(0.9f), glm::vec3(0.3f), 24.0f, ""});
    result.model.meshes.push_back(std::move(m));
    result.atlas = atlas.image();
    return result;
}

void writeSprinto(const std::filesystem::path& assets)
{
    const SprintoAssets sprinto = buildSprinto();
    writeModel(assets / "meshes", sprinto.model);
    writeJpeg(assets / "textures" / "metall.jpg", sprinto.atlas, 95);
}

} // namespace tavernrush::assetgen
