#include "scene/LevelResources.h"
#include "render/Shapes.h"

#include "game/LevelFiles.h"
#include "game/SurfaceBrightness.h"

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
    shaders.phong = makeShader(files::shader::phong);
    shaders.sky = makeSkyShader();
    shaders.normalMapping = makeNormalMappingShader();
    shaders.glow = makeGlowShader();
    shaders.quadDepth = makeShader(files::shader::quadDepth);
    shaders.shadowDepth = makeShadowDepthShader();
    shaders.shadow = makeShadowShader();
    return shaders;
}

LevelTextures loadLevelTextures()
{
    LevelTextures textures;
    textures.metal = makeTexture(files::metal);
    textures.unicorn = makeUnicornTexture();
    textures.plainWall = makeTexture(files::plainWall);
    textures.grass = makeTexture(files::grass);
    textures.groundNormal = makeTexture(files::groundNormal);
    textures.ground = makeTexture(files::ground);
    textures.bricksNormal = makeTexture(files::bricksNormal);
    textures.bricks = makeTexture(files::bricks);
    textures.coin = makeTexture(files::coin);
    textures.coinGlow = makeTexture(files::coinGlow);
    textures.bag = makeTexture(files::bag);
    textures.toilet = makeToiletTexture();
    return textures;
}

LevelMaterials createLevelMaterials(const LevelShaders& shaders, float brightness)
{
    const ShaderPtr& phong = shaders.phong;
    const glm::vec3 picture{brightness, 0.7f, 0.1f};
    const glm::vec3 board{boardAmbientAtStart, 0.7f, 0.1f};
    LevelMaterials m;
    m.skyRoom = makeMaterial(phong, glm::vec3(0.0f), {brightness, 0.0f, 0.0f}, 1.0f, files::skyRoom);
    m.ground = makeMaterial(phong, red, {groundAmbientAtStart, 0.7f, 0.1f}, boardShininess, files::woodGround);
    m.titleBoard = makeMaterial(phong, red, board, boardShininess, files::titleBoard);
    m.cloudDome = makeMaterial(shaders.sky, red, picture, boardShininess, files::cloudDome);
    m.animation = makeMaterial(phong, red, board, boardShininess, files::firstAnimationFrame);
    m.won = makeMaterial(phong, red, picture, boardShininess, files::wonBoard);
    m.timeUp = makeMaterial(phong, red, picture, boardShininess, files::timeUpBoard);
    m.drunk = makeMaterial(phong, red, picture, boardShininess, files::drunkBoard);
    m.unicornPicture = makeMaterial(phong, red, picture, boardShininess, files::unicornBoard);
    m.toiletPicture = makeMaterial(phong, red, picture, boardShininess, files::toiletBoard);
    m.earth = makeMaterial(phong, red, picture, boardShininess, files::earth);
    m.coinCounter = makeMaterial(phong, red, picture, boardShininess, files::coinDigitZero);
    m.beerCounter = makeMaterial(phong, red, picture, boardShininess, files::beerDigitZero);
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
