// The world map: land from the outline polygons with noisy coasts, coloured
// by climate bands and a few desert regions; relief shading from noise.
#include "pictures/EarthMap.h"

#include "DdsFile.h"
#include "Noise.h"
#include "PictureWrapping.h"
#include "pictures/SpherePictures.h"
#include "pictures/WorldOutlines.h"

#include <algorithm>
#include <glm/glm.hpp>
#include <cmath>
#include <limits>

namespace tavernrush::assetgen {

namespace {


struct Region {
    Outline points;
    glm::vec2 min;
    glm::vec2 max;
};

std::vector<Region> regions(const std::vector<Outline>& outlines)
{
    std::vector<Region> result;
    for (const Outline& o : outlines) {
        Region r{o, glm::vec2(std::numeric_limits<float>::max()), glm::vec2(std::numeric_limits<float>::lowest())};
        for (const glm::vec2& p : o) {
            r.min = glm::min(r.min, p);
            r.max = glm::max(r.max, p);
        }
        result.push_back(std::move(r));
    }
    return result;
}

// Signed distance in degrees to the union of the regions (negative inside);
// only regions within `reach` degrees are measured exactly.
float distanceTo(const std::vector<Region>& list, glm::vec2 p, float reach)
{
    float best = reach;
    bool inside = false;
    for (const Region& r : list) {
        if (p.x < r.min.x - reach || p.x > r.max.x + reach || p.y < r.min.y - reach || p.y > r.max.y + reach) {
            continue;
        }
        bool in = false;
        float d = std::numeric_limits<float>::max();
        const std::size_t n = r.points.size();
        for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
            const glm::vec2 a = r.points[j];
            const glm::vec2 b = r.points[i];
            const glm::vec2 ab = b - a;
            const float t = std::clamp(glm::dot(p - a, ab) / std::max(glm::dot(ab, ab), 1e-6f), 0.0f, 1.0f);
            d = std::min(d, glm::length(p - a - ab * t));
            if ((b.y > p.y) != (a.y > p.y) && p.x < (a.x - b.x) * (p.y - b.y) / (a.y - b.y) + b.x) {
                in = !in;
            }
        }
        inside = inside || in;
        best = std::min(best, d);
    }
    return inside ? -best : best;
}

// Dry regions as (centre, radii) ellipses in degrees.
struct DryArea {
    glm::vec2 centre;
    glm::vec2 radii;
};
constexpr DryArea dryAreas[] = {
    {{10, 23}, {28, 9}},      // Sahara
    {{45, 23}, {12, 8}},      // Arabia
    {{60, 33}, {10, 5}},      // Iran
    {{95, 42}, {22, 5}},      // Gobi and Taklamakan
    {{132, -25}, {16, 9}},    // Australian interior
    {{20, -24}, {7, 6}},      // Kalahari
    {{-112, 32}, {9, 6}},     // deserts of the American south-west
    {{-70, -23}, {3, 8}},     // Atacama
};

} // namespace

Image paintWorldMap(int width, int height)
{
    const std::vector<Region> land = regions(landOutlines());
    const std::vector<Region> seas = regions(inlandSeaOutlines());
    Image image(width, height);
    for (int y = 0; y < height; ++y) {
        const float latitude = 90.0f - (static_cast<float>(y) + 0.5f) / static_cast<float>(height) * 180.0f;
        for (int x = 0; x < width; ++x) {
            const float longitude = (static_cast<float>(x) + 0.5f) / static_cast<float>(width) * 360.0f - 180.0f;
            const glm::vec3 onSphere(std::cos(glm::radians(latitude)) * std::cos(glm::radians(longitude)),
                                     std::sin(glm::radians(latitude)), std::cos(glm::radians(latitude)) * std::sin(glm::radians(longitude)));
            // Noise on the sphere itself has no seam at the date line.
            const float coastNoise = fbm(onSphere * 9.0f, 3, 901u);
            const float relief = fbm(onSphere * 14.0f, 4, 902u);
            const glm::vec2 p(longitude, latitude);
            const float coast = std::max(distanceTo(land, p, 6.0f), -distanceTo(seas, p, 6.0f)) + 0.9f * coastNoise;
            const float landCover = 1.0f - glm::smoothstep(-0.25f, 0.25f, coast);

            // Ocean: deep blue, lighter over the shelves near the coasts.
            const float shelf = 1.0f - glm::smoothstep(0.0f, 4.0f, coast);
            glm::vec3 ocean = glm::mix(glm::vec3(0.05f, 0.20f, 0.46f), glm::vec3(0.14f, 0.46f, 0.66f), shelf);
            ocean *= 0.95f + 0.05f * relief;

            // Land: forest green, drier savannah and desert, boreal and ice.
            const float absLatitude = std::abs(latitude);
            float dryness = 0.0f;
            for (const DryArea& area : dryAreas) {
                const glm::vec2 q = (p - area.centre) / area.radii;
                dryness = std::max(dryness, 1.0f - glm::smoothstep(0.6f, 1.2f, glm::length(q) + 0.3f * coastNoise));
            }
            glm::vec3 ground = glm::mix(glm::vec3(0.20f, 0.45f, 0.16f), glm::vec3(0.45f, 0.55f, 0.25f),
                                        glm::smoothstep(0.0f, 0.8f, relief + 0.3f));
            ground = glm::mix(ground, glm::vec3(0.86f, 0.74f, 0.48f), dryness);
            ground = glm::mix(ground, glm::vec3(0.28f, 0.40f, 0.24f), glm::smoothstep(52.0f, 62.0f, absLatitude));
            ground = glm::mix(ground, glm::vec3(0.55f, 0.55f, 0.45f), glm::smoothstep(64.0f, 70.0f, absLatitude));
            const bool greenland = longitude > -75.0f && longitude < -10.0f && latitude > 59.0f;
            const float ice = std::max(glm::smoothstep(71.0f, 76.0f, absLatitude + 3.0f * relief), greenland ? glm::smoothstep(60.0f, 64.0f, latitude + 4.0f * coastNoise + 2.0f) : 0.0f);
            ground = glm::mix(ground, glm::vec3(0.95f, 0.97f, 1.0f), ice);
            ground *= 0.9f + 0.18f * relief;

            glm::vec3 colour = glm::mix(ocean, ground, landCover);
            // Polar sea ice.
            colour = glm::mix(colour, glm::vec3(0.88f, 0.93f, 0.97f), glm::smoothstep(78.0f, 84.0f, absLatitude + 2.0f * coastNoise) * (1.0f - landCover));
            image.at(x, y) = glm::vec4(glm::clamp(colour, 0.0f, 1.0f), 1.0f);
        }
    }
    return image;
}

void writeEarthMap(const std::filesystem::path& assets)
{
    writeDds(assets / "textures" / "earth.dds", sphereFileFromUpright(paintWorldMap(1024, 512)), DdsFormat::Dxt1);
}

} // namespace tavernrush::assetgen
