// In-place previews: pictures on the game's own shapes, seen from where the
// player sees them.
#include "preview/GameViews.h"

#include "Colour.h"
#include "CubeFace.h"
#include "preview/ContactSheet.h"
#include "readback/GameDecoders.h"
#include "preview/GameShapes.h"
#include "preview/ModelViews.h"
#include "preview/Rasterizer.h"

#include <glm/gtc/matrix_transform.hpp>

#include <array>
#include <cmath>
#include <random>

namespace tavernrush::assetgen {

namespace {

namespace fs = std::filesystem;

// The six faces as the cube-map loader uploads them: flipped, so the file's
// top row is texture row t = 0; looked up with the OpenGL major-axis rules.
class CubeSky {
public:
    explicit CubeSky(const fs::path& assets)
    {
        for (std::size_t i = 0; i < allCubeFaces.size(); ++i) {
            faces_[i] = decodeWithFreeImage(assets / "textures" / "skybox" / cubeFaceFile(allCubeFaces[i]));
        }
    }

    glm::vec4 look(const glm::vec3& d) const
    {
        const glm::vec3 a = glm::abs(d);
        std::size_t face = 0;
        float sc = 0.0f;
        float tc = 0.0f;
        float major = 1.0f;
        if (a.x >= a.y && a.x >= a.z) {
            face = d.x > 0 ? 0 : 1;
            sc = d.x > 0 ? -d.z : d.z;
            tc = -d.y;
            major = a.x;
        } else if (a.y >= a.z) {
            face = d.y > 0 ? 2 : 3;
            sc = d.x;
            tc = d.y > 0 ? d.z : -d.z;
            major = a.y;
        } else {
            face = d.z > 0 ? 4 : 5;
            sc = d.z > 0 ? d.x : -d.x;
            tc = -d.y;
            major = a.z;
        }
        const Image& image = faces_[face];
        if (image.empty()) {
            return hexColour(0xff00ff);
        }
        const float s = (sc / major + 1.0f) * 0.5f;
        const float t = (tc / major + 1.0f) * 0.5f;
        return image.sample(s * static_cast<float>(image.width()), t * static_cast<float>(image.height()));
    }

private:
    std::array<Image, 6> faces_;
};

Sampler pictureSampler(const Image& picture)
{
    return [&picture](glm::vec2 st) { return sampleTexture(picture, TextureKind::GamePicture, st); };
}

void drawTriangles(Rasterizer& raster, const TriangleList& triangles, const Sampler& sampler, bool lit = true)
{
    for (std::size_t i = 0; i + 2 < triangles.size(); i += 3) {
        raster.drawTriangle(triangles[i], triangles[i + 1], triangles[i + 2], sampler, lit);
    }
}

Image renderShape(const TriangleList& triangles, const Image& picture, const glm::vec3& eye, const glm::vec3& target,
                  float fov, int size, bool lit = true)
{
    Rasterizer raster(size * 2, size * 2, hexColour(0x9db8d0));
    raster.setCamera(eye, target, fov);
    raster.setLight(glm::vec3(0.3f, 0.6f, 1.0f), 0.55f);
    drawTriangles(raster, triangles, pictureSampler(picture), lit);
    return downsampled(raster.image(), 2);
}

glm::vec3 around(float azimuthDegrees, float elevationDegrees, float distance)
{
    const float a = glm::radians(azimuthDegrees);
    const float e = glm::radians(elevationDegrees);
    return distance * glm::vec3(std::sin(a) * std::cos(e), std::sin(e), std::cos(a) * std::cos(e));
}

// One draw of the game's single-precision rule U(a, b) from an MT19937 output.
float draw(std::mt19937& engine, float a, float b)
{
    const float s = static_cast<float>(engine());
    return (b - a) * (s / 4294967296.0f) + a;
}

} // namespace

Image skyPreview(const fs::path& assets)
{
    const CubeSky sky(assets);
    std::vector<SheetItem> items;
    Image panorama(1024, 512);
    for (int y = 0; y < panorama.height(); ++y) {
        const float elevation = (0.5f - (static_cast<float>(y) + 0.5f) / static_cast<float>(panorama.height())) * 3.14159265f;
        for (int x = 0; x < panorama.width(); ++x) {
            // Left edge looks along -z (the start heading), turning right.
            const float azimuth = (static_cast<float>(x) + 0.5f) / static_cast<float>(panorama.width()) * 6.2831853f - 3.14159265f;
            const glm::vec3 d(std::sin(azimuth) * std::cos(elevation), std::sin(elevation), -std::cos(azimuth) * std::cos(elevation));
            panorama.at(x, y) = sky.look(d);
        }
    }
    items.push_back({"panorama through the cube map (centre = start heading -z)", panorama});
    for (float heading : {0.0f, 90.0f, 180.0f}) {
        Rasterizer raster(512, 512, glm::vec4(0.0f));
        const float a = glm::radians(heading);
        raster.setCamera(glm::vec3(0.0f), glm::vec3(std::sin(a), 0.25f, -std::cos(a)), 75.0f);
        raster.paintBackground([&](glm::vec3 d) { return sky.look(d); });
        items.push_back({"view, heading " + std::to_string(static_cast<int>(heading)) + " deg", raster.image()});
    }
    return contactSheet("Sky box as the game samples it", items, 2, 620);
}

Image inGamePictures(const fs::path& assets)
{
    std::vector<SheetItem> items;
    const Image coin3 = decodeWithFreeImage(assets / "textures" / "coin3.jpg");
    const Image beer2 = decodeWithFreeImage(assets / "textures" / "beer2.jpg");
    const Image earth = decodeWithFreeImage(assets / "textures" / "earth.dds");
    const TriangleList sphere = gameSphere(64, 1.0f, 32);
    for (float azimuth : {0.0f, 120.0f, 240.0f}) {
        items.push_back({"coin3 sphere from " + std::to_string(static_cast<int>(azimuth)) + " deg",
                         renderShape(sphere, coin3, around(azimuth, -15, 4.2f), glm::vec3(0), 35, 240)});
    }
    for (float azimuth : {0.0f, 120.0f, 240.0f}) {
        items.push_back({"beer2 sphere from " + std::to_string(static_cast<int>(azimuth)) + " deg",
                         renderShape(sphere, beer2, around(azimuth, -15, 4.2f), glm::vec3(0), 35, 240)});
    }
    for (float azimuth : {0.0f, 90.0f, 200.0f}) {
        items.push_back({"earth sphere from " + std::to_string(static_cast<int>(azimuth)) + " deg",
                         renderShape(sphere, earth, around(azimuth, 20, 4.2f), glm::vec3(0), 35, 240)});
    }

    const Image coin = decodeWithFreeImage(assets / "textures" / "coin.dds");
    const TriangleList coinShape
        = placed(gameCylinder(0.2f, 0.7f), glm::rotate(glm::mat4(1.0f), 1.5707964f, glm::vec3(1, 0, 0)));
    items.push_back({"coin front (+z)", renderShape(coinShape, coin, around(0, 5, 3.5f), glm::vec3(0), 35, 240)});
    items.push_back({"coin back (-z)", renderShape(coinShape, coin, around(180, 5, 3.5f), glm::vec3(0), 35, 240)});
    items.push_back({"coin edge-on", renderShape(coinShape, coin, around(70, 20, 3.5f), glm::vec3(0), 35, 240)});

    const Image label = decodeWithFreeImage(assets / "textures" / "kellbrau.jpg");
    const TriangleList beer = gameCylinder(1.5f, 0.4f);
    for (float azimuth : {0.0f, 135.0f, 270.0f}) {
        items.push_back({"beer from " + std::to_string(static_cast<int>(azimuth)) + " deg",
                         renderShape(beer, label, around(azimuth, 15, 4.5f), glm::vec3(0), 35, 240)});
    }

    // Picture boards as the start camera sees them: board above the player,
    // camera 5 up and 9 behind.
    const glm::mat4 boardTurn = glm::rotate(glm::mat4(1.0f), 1.5707964f, glm::vec3(-1, 0, 0));
    const TriangleList board = placed(gamePlane(7, 7), glm::translate(glm::mat4(1.0f), glm::vec3(0, 6, 20)) * boardTurn);
    for (const char* name : {"won.jpg", "timeUP.jpg", "drunk.jpg", "mellowdude.jpg", "kloBreak.jpg"}) {
        const Image picture = decodeWithFreeImage(assets / "textures" / name);
        Rasterizer raster(480, 480, hexColour(0x9db8d0));
        raster.setViewProjection(glm::inverse(glm::translate(glm::mat4(1.0f), glm::vec3(0, 5, 29))),
                                 glm::perspective(glm::radians(60.0f), 1.0f, 0.1f, 100.0f));
        drawTriangles(raster, board, pictureSampler(picture), false);
        items.push_back({std::string("board ") + name + " from the start camera", downsampled(raster.image(), 2)});
    }
    const Image frame = decodeWithFreeImage(assets / "frames" / "Frame01.jpg");
    const TriangleList animation
        = placed(gamePlane(5, 3), boardTurn * glm::translate(glm::mat4(1.0f), glm::vec3(4, 0, 5)));
    items.push_back({"animation board, Frame01", renderShape(animation, frame, glm::vec3(4, 5, 7), glm::vec3(4, 5, 0), 40, 240, false)});
    return contactSheet("Pictures on the game's shapes", items, 3, 240);
}

Image startView(const fs::path& assets)
{
    const int size = 720;
    Rasterizer raster(size * 2, size * 2, glm::vec4(0.0f));
    raster.setViewProjection(glm::inverse(glm::translate(glm::mat4(1.0f), glm::vec3(0, 5, 29))),
                             glm::perspective(glm::radians(60.0f), 1.0f, 0.1f, 100.0f));
    raster.setLight(glm::vec3(0.0f, 1.0f, -1.0f), 0.45f);
    const CubeSky sky(assets);
    raster.paintBackground([&](glm::vec3 d) { return sky.look(d); });

    const Image ground = decodeWithFreeImage(assets / "textures" / "wood_texture.dds");
    drawTriangles(raster, gamePlane(500, 500), pictureSampler(ground));

    const glm::mat4 player = glm::translate(glm::mat4(1.0f), glm::vec3(0, 0, 20));
    drawModel(raster, loadModel(assets, gameModel("sprinto")), player);
    drawModel(raster, loadModel(assets, gameModel("bag")),
              player * glm::translate(glm::mat4(1.0f), glm::vec3(0, 3.5f, 0.5f))
                  * glm::rotate(glm::mat4(1.0f), 0.7853982f, glm::vec3(0, 0, 1)));
    drawModel(raster, loadModel(assets, gameModel("leiter")), glm::translate(glm::mat4(1.0f), glm::vec3(40, 0, -40)));
    drawModel(raster, loadModel(assets, gameModel("klo")), glm::translate(glm::mat4(1.0f), glm::vec3(70, 2, -70)));
    drawModel(raster, loadModel(assets, gameModel("wand")), glm::translate(glm::mat4(1.0f), glm::vec3(-10, 1.5f, -6)));
    const LoadedModel unicorn = loadModel(assets, gameModel("unicorns"));
    std::mt19937 herd(300);
    for (int i = 0; i < 9; ++i) {
        const float z = draw(herd, -100, 100);
        const float x = draw(herd, -100, 100);
        drawModel(raster, unicorn, glm::translate(glm::mat4(1.0f), glm::vec3(x, i < 3 ? 0.5f : 0.0f, z)));
    }

    const Image frame = decodeWithFreeImage(assets / "frames" / "Frame01.jpg");
    const glm::mat4 boardTurn = glm::rotate(glm::mat4(1.0f), 1.5707964f, glm::vec3(-1, 0, 0));
    drawTriangles(raster, placed(gamePlane(5, 3), boardTurn * glm::translate(glm::mat4(1.0f), glm::vec3(4, 0, 5))),
                  pictureSampler(frame));

    const Image earth = decodeWithFreeImage(assets / "textures" / "earth.dds");
    const Image beerDigit = decodeWithFreeImage(assets / "textures" / "beer0.jpg");
    const Image coinDigit = decodeWithFreeImage(assets / "textures" / "coin0.jpg");
    drawTriangles(raster, placed(gameSphere(64, 0.6f, 32), glm::translate(glm::mat4(1.0f), glm::vec3(0, 10, 0))), pictureSampler(earth));
    drawTriangles(raster, placed(gameSphere(64, 0.4f, 32), glm::translate(glm::mat4(1.0f), glm::vec3(0, 10, 3.5f))), pictureSampler(beerDigit));
    drawTriangles(raster, placed(gameSphere(64, 0.5f, 32), glm::translate(glm::mat4(1.0f), glm::vec3(0, 10, 2))), pictureSampler(coinDigit));

    const Image label = decodeWithFreeImage(assets / "textures" / "kellbrau.jpg");
    const TriangleList beer = gameCylinder(1.5f, 0.4f);
    std::mt19937 beers(200);
    for (int i = 0; i < 25; ++i) {
        const float x = draw(beers, -90, 90);
        const float z = draw(beers, -90, 90);
        drawTriangles(raster, placed(beer, glm::translate(glm::mat4(1.0f), glm::vec3(x, 0.5f, z))), pictureSampler(label));
    }
    const Image coin = decodeWithFreeImage(assets / "textures" / "coin.dds");
    const TriangleList coinShape
        = placed(gameCylinder(0.2f, 0.7f), glm::rotate(glm::mat4(1.0f), 1.5707964f, glm::vec3(1, 0, 0)));
    std::mt19937 coins(345);
    for (int i = 0; i < 40; ++i) {
        const float x = draw(coins, -100, 100);
        const float y = draw(coins, 1, 20);
        const float z = draw(coins, -100, 100);
        drawTriangles(raster, placed(coinShape, glm::translate(glm::mat4(1.0f), glm::vec3(x, y, z))), pictureSampler(coin));
    }
    return contactSheet("Start view (game camera, no bloom or shadows; coins and beers at their seeded places)",
                        {{"", downsampled(raster.image(), 2)}}, 1, size);
}

} // namespace tavernrush::assetgen
