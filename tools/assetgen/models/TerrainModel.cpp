// The height field: smooth normals from the height function's slope, a
// repeating grass picture eight times across.
#include "models/TerrainModel.h"

#include "ImageFiles.h"
#include "Noise.h"

#include <cmath>

namespace tavernrush::assetgen {

float terrainHeight(float x, float z)
{
    return 1.2f * fbm(glm::vec3(x / 40.0f, z / 40.0f, 0.5f), 3, 1901u) + 0.3f * std::sin(x * 0.05f) * std::cos(z * 0.04f);
}

ModelRecipe buildTerrain()
{
    const int cells = 40;
    const float size = 120.0f;
    const float step = size / static_cast<float>(cells);
    auto point = [&](int i, int j) {
        const float x = -size * 0.5f + static_cast<float>(i) * step;
        const float z = -size * 0.5f + static_cast<float>(j) * step;
        const float e = 0.1f;
        const float dx = (terrainHeight(x + e, z) - terrainHeight(x - e, z)) / (2 * e);
        const float dz = (terrainHeight(x, z + e) - terrainHeight(x, z - e)) / (2 * e);
        // The picture repeats eight times across; mesh pictures wrap.
        const glm::vec2 picture(static_cast<float>(i) / static_cast<float>(cells) * 8.0f,
                                static_cast<float>(j) / static_cast<float>(cells) * 8.0f);
        return Vertex{{x, terrainHeight(x, z), z}, glm::normalize(glm::vec3(-dx, 1.0f, -dz)), picture};
    };
    Mesh m("terrain", "terrain");
    for (int j = 0; j < cells; ++j) {
        for (int i = 0; i < cells; ++i) {
            // Counter-clockwise seen from above: +x then -z.
            m.addPolygon({point(i, j + 1), point(i + 1, j + 1), point(i + 1, j), point(i, j)}, false);
        }
    }
    ModelRecipe model;
    model.name = "terrain";
    model.materials.push_back({"terrain", glm::vec3(0.6f, 0.8f, 0.5f), glm::vec3(0.05f), 4.0f, "terrain.jpg"});
    model.meshes.push_back(std::move(m));
    return model;
}

void writeTerrain(const std::filesystem::path& assets)
{
    writeModel(assets / "meshes", buildTerrain());
    Image grass(256, 256);
    for (int y = 0; y < 256; ++y) {
        for (int x = 0; x < 256; ++x) {
            const float n = fbmTiled(glm::vec2(static_cast<float>(x), static_cast<float>(y)) / 256.0f * 8.0f, 8, 4, 1902u);
            const float blade = hashUnit(x, y, 1903u) - 0.5f;
            const glm::vec3 colour = glm::mix(glm::vec3(0.25f, 0.48f, 0.16f), glm::vec3(0.45f, 0.60f, 0.22f), 0.5f + 0.6f * n);
            grass.at(x, y) = glm::vec4(colour * (1.0f + 0.15f * blade), 1.0f);
        }
    }
    writeJpeg(assets / "meshes" / "terrain.jpg", grass, 90);
}

} // namespace tavernrush::assetgen
