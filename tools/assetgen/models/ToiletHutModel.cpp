// The hut: plank walls with corner posts, a front wall framing the door, a
// gabled roof, a floor and a bench inside, dressed from one atlas.
#include "models/ToiletHutModel.h"

#include "Atlas.h"
#include "Colour.h"
#include "ImageFiles.h"
#include "Noise.h"
#include "Painter.h"
#include "Primitives.h"
#include "Text.h"
#include "models/HeartDoor.h"

#include <glm/gtc/matrix_transform.hpp>

#include <cmath>

namespace tavernrush::assetgen {

namespace {

struct Palette {
    PictureRegion planks, door, shingles, dark, sign, post, bench, knob;
};

glm::vec3 plankColour(glm::vec2 local, glm::vec2 pixel, int planks, const glm::vec3& base, std::uint32_t seed)
{
    const float across = local.x * static_cast<float>(planks);
    const int plank = static_cast<int>(across);
    const float inPlank = across - static_cast<float>(plank);
    const float seam = (inPlank < 0.04f || inPlank > 0.96f) ? 0.55f : 1.0f;
    const float tone = 0.85f + 0.25f * hashUnit(plank, 0, seed);
    const float grain = 0.92f + 0.08f * std::sin(pixel.x * 0.7f + 4.0f * perlin(glm::vec3(pixel.x * 0.05f, pixel.y * 0.01f, static_cast<float>(plank)), seed + 1u));
    // Weathering: greyer towards the bottom, a nail near each plank end.
    glm::vec3 wood = glm::mix(base, glm::vec3(0.5f, 0.47f, 0.42f), 0.35f * local.y) * tone * grain * seam;
    const float nailY = std::min(std::abs(local.y - 0.06f), std::abs(local.y - 0.94f));
    if (std::abs(inPlank - 0.5f) < 0.06f && nailY < 0.012f) {
        wood = glm::vec3(0.25f, 0.25f, 0.27f);
    }
    return wood;
}

Palette paintPalette(Atlas& atlas)
{
    Palette p;
    p.planks = atlas.paint(0, 0, 4, 4, [](glm::vec2 local, glm::vec2 pixel) {
        return glm::vec4(plankColour(local, pixel, 6, glm::vec3(0.62f, 0.42f, 0.24f), 1701u), 1.0f);
    });
    p.door = atlas.paint(4, 0, 2, 4, [](glm::vec2 local, glm::vec2 pixel) {
        return glm::vec4(plankColour(local, pixel, 4, glm::vec3(0.76f, 0.54f, 0.32f), 1711u), 1.0f);
    });
    p.shingles = atlas.paint(0, 4, 4, 2, [](glm::vec2 local, glm::vec2 pixel) {
        // Rows of shingles run across the picture's x (down the roof slope).
        const float rows = local.x * 10.0f;
        const int row = static_cast<int>(rows);
        const float inRow = rows - static_cast<float>(row);
        const float column = local.y * 8.0f + (row % 2 == 0 ? 0.0f : 0.5f);
        const float inColumn = column - std::floor(column);
        const float tone = 0.8f + 0.3f * hashUnit(row, static_cast<int>(std::floor(column)), 1721u);
        const float shade = (inRow > 0.85f || inColumn < 0.05f) ? 0.55f : 1.0f - 0.25f * inRow;
        (void)pixel;
        return glm::vec4(glm::vec3(0.64f, 0.26f, 0.20f) * tone * shade, 1.0f);
    });
    p.dark = atlas.paintSolid(6, 0, hexColour(0x2a1a10), 0.1f);
    p.post = atlas.paint(7, 0, 1, 1, [](glm::vec2 local, glm::vec2 pixel) {
        const float grain = 0.9f + 0.1f * std::sin(pixel.x * 0.9f + local.y * 3.0f);
        return glm::vec4(glm::vec3(0.36f, 0.22f, 0.12f) * grain, 1.0f);
    });
    p.bench = atlas.paintSolid(6, 2, hexColour(0x9c6b3f), 0.08f);
    p.knob = atlas.paintSolid(7, 2, hexColour(0x50555c), 0.05f);
    // The enamel sign: white "WC" on blue with a white border.
    Image sign(128, 64, hexColour(0x1e5aa8));
    fill(sign, shapes::outline(shapes::roundedBox({64, 32}, {56, 24}, 8), 4), hexColour(0xffffff));
    TextStyle letters;
    letters.pixelHeight = 44;
    letters.maxDistance = 3;
    fill(sign, textShape("WC", {64, 32}, letters), hexColour(0xffffff));
    p.sign = atlas.paint(6, 1, 2, 1, [&sign](glm::vec2 local, glm::vec2) {
        return sign.sample(local.x * 128.0f, local.y * 64.0f);
    });
    return p;
}

glm::mat4 at(float x, float y, float z)
{
    return glm::translate(glm::mat4(1.0f), glm::vec3(x, y, z));
}

} // namespace

ToiletHutAssets buildToiletHut()
{
    Atlas atlas(8);
    const Palette c = paintPalette(atlas);
    Mesh m("toilet_hut", "toilet_hut");

    const float half = 2.0f;      // half width and half depth
    const float floorY = toiletHutFloorY;
    const float wallTop = 2.4f;
    const float ridge = 3.9f;
    const float wall = 0.12f;
    const float wallHeight = wallTop - floorY;
    const float wallMiddle = (wallTop + floorY) * 0.5f;
    const glm::vec2 doorMin(-0.8f, floorY);
    const glm::vec2 doorMax(0.8f, 1.4f);

    // A wall piece showing the part of the plank picture that matches its
    // place in the wall, so planks line up across the pieces.
    auto wallPiece = [&](float x0, float x1, float y0, float y1, float zCentre) {
        const PictureRegion region = c.planks.sub({(x0 + half) / (2 * half), (y0 - floorY) / wallHeight},
                                                  {(x1 + half) / (2 * half), (y1 - floorY) / wallHeight});
        primitives::box(m, at((x0 + x1) * 0.5f, (y0 + y1) * 0.5f, zCentre), glm::vec3(x1 - x0, y1 - y0, wall), region, c.post);
    };
    // Back and side walls, front wall around the door.
    wallPiece(-half, half, floorY, wallTop, half - wall * 0.5f);
    primitives::box(m, at(-half + wall * 0.5f, wallMiddle, 0.0f), glm::vec3(wall, wallHeight, 2 * half - 2 * wall), c.planks, c.post);
    primitives::box(m, at(half - wall * 0.5f, wallMiddle, 0.0f), glm::vec3(wall, wallHeight, 2 * half - 2 * wall), c.planks, c.post);
    const float front = -half + wall * 0.5f;
    wallPiece(-half, doorMin.x, floorY, wallTop, front);
    wallPiece(doorMax.x, half, floorY, wallTop, front);
    wallPiece(doorMin.x, doorMax.x, doorMax.y, wallTop, front);

    // Corner posts and a door frame in dark wood.
    for (float x : {-half, half}) {
        for (float z : {-half, half}) {
            primitives::box(m, at(x, wallMiddle + 0.03f, z), glm::vec3(0.2f, wallHeight + 0.06f, 0.2f), c.post);
        }
    }
    primitives::box(m, at(doorMin.x - 0.06f, (floorY + doorMax.y) * 0.5f, -half - 0.02f), glm::vec3(0.12f, doorMax.y - floorY, 0.1f), c.post);
    primitives::box(m, at(doorMax.x + 0.06f, (floorY + doorMax.y) * 0.5f, -half - 0.02f), glm::vec3(0.12f, doorMax.y - floorY, 0.1f), c.post);
    primitives::box(m, at(0.0f, doorMax.y + 0.06f, -half - 0.02f), glm::vec3(doorMax.x - doorMin.x + 0.24f, 0.12f, 0.1f), c.post);

    // The door with its heart, a Z brace on its face and a knob.
    HeartDoorLayout door;
    door.min = doorMin;
    door.max = doorMax;
    door.frontZ = -half - 0.01f;
    door.backZ = -half + wall;
    addHeartDoor(m, door, c.door, c.post);
    primitives::box(m, at(0.0f, -1.55f, -half - 0.04f), glm::vec3(1.45f, 0.16f, 0.06f), c.post);
    primitives::box(m, at(0.0f, 0.15f, -half - 0.04f), glm::vec3(1.45f, 0.16f, 0.06f), c.post);
    primitives::box(m, at(0.0f, -0.7f, -half - 0.04f) * glm::rotate(glm::mat4(1.0f), -0.93f, glm::vec3(0, 0, 1)),
                    glm::vec3(1.95f, 0.15f, 0.06f), c.post);
    primitives::ellipsoid(m, at(-0.58f, -0.35f, -half - 0.1f), glm::vec3(0.07f), 8, 5, c.knob, primitives::Shading::Smooth);
    primitives::box(m, at(0.0f, 1.9f, -half - 0.05f), glm::vec3(0.9f, 0.45f, 0.05f), c.sign, c.post);

    // Gable ends: triangles of planks above the front and back walls.
    for (float z : {-half + wall * 0.5f, half - wall * 0.5f}) {
        for (float face : {-1.0f, 1.0f}) {
            const float zf = z + face * wall * 0.5f;
            const glm::vec3 facing(0.0f, 0.0f, face);
            Vertex a{{-half, wallTop, zf}, facing, c.planks.at({0.0f, 0.9f})};
            Vertex b{{half, wallTop, zf}, facing, c.planks.at({1.0f, 0.9f})};
            Vertex top{{0.0f, ridge, zf}, facing, c.planks.at({0.5f, 1.0f})};
            if (face < 0.0f) {
                std::swap(a, b);
            }
            m.addTriangle(a, b, top, true);
        }
    }

    // Roof: two slabs from the ridge past the walls.
    const float overhang = 0.4f;
    const float slope = std::atan2(ridge - wallTop, half);
    const float run = half + overhang;
    const float slabLength = run / std::cos(slope);
    for (float side : {-1.0f, 1.0f}) {
        const glm::vec3 middle(side * run * 0.5f, ridge - run * 0.5f * std::tan(slope) + 0.1f, 0.0f);
        const glm::mat4 placement = glm::translate(glm::mat4(1.0f), middle)
                                    * glm::rotate(glm::mat4(1.0f), -side * slope, glm::vec3(0, 0, 1));
        primitives::box(m, placement, glm::vec3(slabLength + 0.05f, 0.12f, 2 * half + 2 * overhang), c.post, c.shingles);
    }
    primitives::box(m, at(0.0f, ridge + 0.16f, 0.0f), glm::vec3(0.22f, 0.14f, 2 * half + 2 * overhang + 0.05f), c.post);

    // Floor and the bench at the back, with its dark hole.
    primitives::box(m, at(0.0f, floorY + 0.05f, 0.0f), glm::vec3(2 * half - 0.02f, 0.1f, 2 * half - 0.02f), c.bench);
    primitives::box(m, at(0.0f, floorY + 0.6f, half - 0.6f), glm::vec3(2 * half - 0.3f, 1.2f, 1.0f), c.bench);
    primitives::frustum(m, at(0.0f, floorY + 1.2f, half - 0.6f), 0.25f, 0.25f, 0.01f, 12, c.dark, c.dark, primitives::Shading::Flat);

    // Turn the door towards the middle of the level: from (70, -70) the
    // origin lies along (-1, 0, 1).
    m.transform(glm::rotate(glm::mat4(1.0f), glm::radians(135.0f), glm::vec3(0, 1, 0)));
    ToiletHutAssets result;
    result.model.name = "klo";
    result.model.materials.push_back({"toilet_hut", glm::vec3(0.8f, 0.6f, 0.4f), glm::vec3(0.1f), 8.0f, ""});
    result.model.meshes.push_back(std::move(m));
    result.atlas = atlas.image();
    return result;
}

void writeToiletHut(const std::filesystem::path& assets)
{
    const ToiletHutAssets hut = buildToiletHut();
    writeModel(assets / "meshes", hut.model);
    writeJpeg(assets / "textures" / "klo.jpg", hut.atlas, 95);
}

} // namespace tavernrush::assetgen
