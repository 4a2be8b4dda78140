#include "scene/LevelResources.h"

#include <glm/gtc/matrix_transform.hpp>

namespace tavernrush {
namespace {

constexpr glm::vec3 red{1.0f, 0.0f, 0.0f};
constexpr float boardShininess = 2.0f;

glm::mat4 translation(float x, float y, float z) { return glm::translate(glm::mat4(1.0f), glm::vec3(x, y, z)); }

glm::mat4 upright() { return glm::rotate(glm::mat4(1.0f), 1.5707964f, glm::vec3(-1.0f, 0.0f, 0.0f)); }

} // namespace

LevelShaders buildLevelShaders()
{
    LevelShaders shaders;
    shaders.phong = makeShader("phongPhong");
    shaders.sky = makeSkyShader();
    shaders.normalMapping = makeNormalMappingShader();
    shaders.glow = makeGlowShader();
    shaders.quadDepth = makeShader("quad_depth");
    shaders.shadowDepth = makeShadowDepthShader();
    shaders.shadow = makeShadowShader();
    return shaders;
}

LevelTextures loadLevelTextures()
{
    LevelTextures textures;
    textures.metal = makeTexture("assets/textures/metall.jpg");
    textures.unicorn = makeUnicornTexture();
    textures.plainWall = makeTexture("assets/textures/wall.jpg");
    textures.grass = makeTexture("assets/textures/gras.dds");
    textures.groundNormal = makeTexture("assets/textures/groundN.jpg");
    textures.ground = makeTexture("assets/textures/ground.jpg");
    textures.bricksNormal = makeTexture("assets/textures/bricksN.jpg");
    textures.bricks = makeTexture("assets/textures/bricks.jpg");
    textures.coin = makeTexture("assets/textures/coin.dds");
    textures.coinGlow = makeTexture("assets/textures/coin_glow.png");
    textures.bag = makeTexture("assets/textures/bagR.jpg");
    textures.toilet = makeToiletTexture();
    return textures;
}

LevelMaterials createLevelMaterials(const LevelShaders& shaders, float brightness)
{
    const ShaderPtr& phong = shaders.phong;
    const glm::vec3 picture{brightness, 0.7f, 0.1f};
    const glm::vec3 board{0.8f, 0.7f, 0.1f};
    LevelMaterials m;
    m.skyRoom = makeMaterial(phong, glm::vec3(0.0f), {brightness, 0.0f, 0.0f}, 1.0f, "assets/textures/himmel.dds");
    m.ground = makeMaterial(phong, red, {1.0f, 0.7f, 0.1f}, boardShininess, "assets/textures/wood_texture.dds");
    m.titleBoard = makeMaterial(phong, red, board, boardShininess, "assets/textures/tavernrush.dds");
    m.cloudDome = makeMaterial(shaders.sky, red, picture, boardShininess, "assets/textures/wolkenhimmel.dds");
    m.animation = makeMaterial(phong, red, board, boardShininess, "assets/frames/Frame01.jpg");
    m.won = makeMaterial(phong, red, picture, boardShininess, "assets/textures/won.jpg");
    m.timeUp = makeMaterial(phong, red, picture, boardShininess, "assets/textures/timeUP.jpg");
    m.drunk = makeMaterial(phong, red, picture, boardShininess, "assets/textures/drunk.jpg");
    m.unicornPicture = makeMaterial(phong, red, picture, boardShininess, "assets/textures/mellowdude.jpg");
    m.toiletPicture = makeMaterial(phong, red, picture, boardShininess, "assets/textures/kloBreak.jpg");
    m.earth = makeMaterial(phong, red, picture, boardShininess, "assets/textures/earth.dds");
    m.coinCounter = makeMaterial(phong, red, picture, boardShininess, "assets/textures/coin0.jpg");
    m.beerCounter = makeMaterial(phong, red, picture, boardShininess, "assets/textures/beer0.jpg");
    return m;
}

LevelGeometry::LevelGeometry(const LevelMaterials& materials, const Settings& settings)
    : skyRoom(translation(0, 40, 0), createInsideOutBox(90, 90, 90), materials.skyRoom),
      ground(glm::mat4(1.0f), createPlane(500, 500), materials.ground),
      titleBoard(translation(0, 0, 20), createBox(1, 1, 1), materials.titleBoard),
      cloudDome(glm::mat4(1.0f), createSphere(20, 30, 20), materials.cloudDome),
      boards(materials.animation, materials.won, materials.timeUp, materials.drunk, materials.unicornPicture,
             materials.toiletPicture),
      windowPlane(upright(), createPlane(static_cast<float>(settings.width), static_cast<float>(settings.height)),
                  materials.unicornPicture),
      spheres(materials.earth, materials.beerCounter, materials.coinCounter)
{
}

} // namespace tavernrush
