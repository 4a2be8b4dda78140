#include "scene/GlSceneRenderer.h"

#include "game/LevelLayout.h"
#include "passes/Letterbox.h"

#include <glm/gtc/matrix_transform.hpp>

namespace tavernrush {
namespace {

const glm::mat4 brickWallPlacement = glm::translate(glm::mat4(1.0f), level::brickWall);
const glm::mat4 ladderPlacement = glm::translate(glm::mat4(1.0f), level::ladder);
const glm::mat4 toiletPlacement = glm::translate(glm::mat4(1.0f), level::toiletHut);

constexpr glm::vec3 red{1.0f, 0.0f, 0.0f};
constexpr glm::vec3 standardCoefficients{0.8f, 0.7f, 0.1f};
constexpr float standardShininess = 2.0f;

void setStandardSurface(Shader& shader)
{
    shader.setUniform("diffuseColor", red);
    shader.setUniform("materialCoefficients", standardCoefficients);
    shader.setUniform("specularAlpha", standardShininess);
}

} // namespace

CameraUniforms cameraUniformsOf(const FrameView& view)
{
    return CameraUniforms{view.cameraPosition, view.projectionMatrix * view.viewMatrix};
}

void GlSceneRenderer::draw(const FrameScene& scene)
{
    // The window's own buffers are left alone here: the composite covers
    // them, and clearing a multisampled window costs as much as a pass.
    glEnable(GL_DEPTH_TEST);
    if (scene.brightnessChange != 0.0f) {
        level_.materials[AssetId::WoodGround]->materialCoefficients.x += scene.brightnessChange;
        level_.geometry.boards.animationMaterial().materialCoefficients.x += scene.brightnessChange;
    }
    {
        const TimedPass timed(passTimer_, RenderPass::shadow);
        drawShadowPass(scene);
    }
    {
        const TimedPass timed(passTimer_, RenderPass::ground);
        drawFigureAndGround(scene);
    }
    {
        const TimedPass timed(passTimer_, RenderPass::sky);
        drawSky(level_.skybox, *level_.shaders[AssetId::SkyProgram], scene.view.viewMatrix,
                scene.view.projectionMatrix);
    }
    {
        const TimedPass timed(passTimer_, RenderPass::wall);
        drawBrickWall(scene.view, scene.plainWall);
    }
    {
        const TimedPass timed(passTimer_, RenderPass::items);
        drawItems(scene);
    }
    {
        const TimedPass timed(passTimer_, RenderPass::models);
        drawModels(scene);
    }
    const TimedPass timed(passTimer_, RenderPass::pictures);
    drawPictures(scene, true);
    drawBoardAndCounters(scene);
    if (scene.bag) {
        drawLitModel(level_.models[AssetId::BagModel], *scene.bag, *level_.textures[AssetId::Bag]);
    }
    drawPictures(scene, false);
    drawWinPlaque(scene);
    countdown_ = scene.countdown;
    paused_ = scene.paused;
}

void GlSceneRenderer::drawWinPlaque(const FrameScene& scene)
{
    if (!scene.winTime) {
        return;
    }
    for (const ShownPicture& shown : scene.pictures) {
        if (shown.picture == Picture::Won) {
            // The board's own frame: its model matrix without the turn that
            // stands the flat plane up.
            const glm::mat4 pictureFrame = shown.boardModel * glm::inverse(uprightBoardRotation());
            level_.hud.drawWinPlaque(*scene.winTime, scene.view.projectionMatrix * scene.view.viewMatrix,
                                     pictureFrame);
            return;
        }
    }
}

void GlSceneRenderer::drawShadowPass(const FrameScene& scene)
{
    light_ = lightSpaceFor(level_.lights.directional.direction, scene.view.playerPosition);
    renderShadowDepth(level_.shadowMap, *level_.shaders[AssetId::ShadowDepthProgram], light_, scene.playerModel,
                      [this] { level_.models[AssetId::FigureModel].draw(); });
}

void GlSceneRenderer::drawFigureAndGround(const FrameScene& scene)
{
    level_.bloom.sceneTarget().bindForScene();
    Shader& shadow = *level_.shaders[AssetId::ShadowProgram];
    shadow.use();
    setShadowReceiverUniforms(shadow, scene.view.projectionMatrix, scene.view.viewMatrix, scene.view.cameraPosition,
                              light_);
    if (scene.drawPlayer) {
        shadow.setUniform("model", scene.playerModel);
        shadow.setUniform("ambientFactor", 1.0f);
        level_.textures[AssetId::Metal]->bind(0);
        level_.models[AssetId::FigureModel].draw();
    }
    shadow.setUniform("model", level_.geometry.ground.getModelMatrix());
    // H and D move the ground material's ambient factor; this program draws
    // the ground, so it takes the factor from there.
    shadow.setUniform("ambientFactor", level_.materials[AssetId::WoodGround]->materialCoefficients.x);
    level_.geometry.ground.drawWithShadowMap(level_.shadowMap.depthTexture());
}

void GlSceneRenderer::drawBrickWall(const FrameView& view, bool plainPhong)
{
    Shader& normalMapping = *level_.shaders[AssetId::NormalMappingProgram];
    const glm::mat3 normalMatrix{brickWallPlacement};
    normalMapping.use();
    normalMapping.setUniform("modelMatrix", brickWallPlacement);
    normalMapping.setUniform("normalMatrix", normalMatrix);
    setLightUniforms(normalMapping, cameraUniformsOf(view), level_.lights);
    setStandardSurface(normalMapping);
    level_.textures[AssetId::Bricks]->bind(0);
    level_.textures[AssetId::BricksNormal]->bind(1);
    if (plainPhong) {
        Shader& phong = *level_.shaders[AssetId::PhongProgram];
        phong.use();
        phong.setUniform("modelMatrix", brickWallPlacement);
        phong.setUniform("normalMatrix", normalMatrix);
    }
    level_.models[AssetId::BrickWallModel].draw();
}

void GlSceneRenderer::drawItems(const FrameScene& scene)
{
    Shader& phong = *level_.shaders[AssetId::PhongProgram];
    phong.use();
    // The never-drawn sky room lends its matrices to every lit draw that
    // follows, which then set only "modelMatrix".
    phong.setUniform("modelMatrix", level_.geometry.skyRoom.getModelMatrix());
    phong.setUniform("normalMatrix", level_.geometry.skyRoom.getNormalMatrix());
    setLightUniforms(phong, cameraUniformsOf(scene.view), level_.lights);

    Shader& glow = *level_.shaders[AssetId::GlowProgram];
    glow.use();
    setLightUniforms(glow, cameraUniformsOf(scene.coinView), level_.lights);
    setStandardSurface(glow);
    for (const glm::mat4& coin : scene.coins) {
        level_.coinDrawer.drawItem(coin);
    }
    for (const glm::mat4& beer : scene.beers) {
        level_.beerDrawer.drawItem(beer);
    }
}

void GlSceneRenderer::drawLitModel(const ImportedModel& model, const glm::mat4& placement, const Texture& picture)
{
    Shader& phong = *level_.shaders[AssetId::PhongProgram];
    phong.use();
    phong.setUniform("modelMatrix", placement);
    picture.bind(0);
    model.draw();
}

void GlSceneRenderer::drawModels(const FrameScene& scene)
{
    for (const glm::vec3& position : scene.unicorns) {
        drawLitModel(level_.models[AssetId::UnicornModel], glm::translate(glm::mat4(1.0f), position),
                     *level_.textures[AssetId::UnicornSkin]);
    }
    drawLitModel(level_.models[AssetId::LadderModel], ladderPlacement, *level_.textures[AssetId::Grass]);
    drawLitModel(level_.models[AssetId::ToiletHutModel], toiletPlacement, *level_.textures[AssetId::Toilet]);
}

void GlSceneRenderer::drawPictures(const FrameScene& scene, bool hungWithLevel)
{
    Shader& phong = *level_.shaders[AssetId::PhongProgram];
    phong.use();
    for (const ShownPicture& shown : scene.pictures) {
        if (shown.hungWithLevel == hungWithLevel) {
            level_.geometry.boards.drawScreenBoard(shown.picture, shown.boardModel, phong);
        }
    }
}

void GlSceneRenderer::drawBoardAndCounters(const FrameScene& scene)
{
    PictureBoards& boards = level_.geometry.boards;
    CounterSpheres& spheres = level_.geometry.spheres;
    if (scene.animationPicture) {
        boards.animationMaterial().setTexture(*scene.animationPicture);
    }
    level_.shaders[AssetId::PhongProgram]->use();
    boards.drawAnimationBoard(*level_.shaders[AssetId::PhongProgram]);
    if (scene.coinCounterPicture) {
        spheres.coinMaterial().setTexture(*scene.coinCounterPicture);
    }
    if (scene.beerCounterPicture) {
        spheres.beerMaterial().setTexture(*scene.beerCounterPicture);
    }
    spheres.updateAndDraw(scene.deltaTime);
}

void GlSceneRenderer::present(const glm::ivec2& framebufferSize)
{
    {
        const TimedPass timed(passTimer_, RenderPass::glowCopy);
        level_.bloom.copyGlow();
    }
    {
        const TimedPass timed(passTimer_, RenderPass::blur);
        level_.bloom.blur();
    }
    {
        const TimedPass timed(passTimer_, RenderPass::composite);
        level_.bloom.composite(framebufferSize);
    }
    const TimedPass timed(passTimer_, RenderPass::overlay);
    const SceneTarget& target = level_.bloom.sceneTarget();
    level_.hud.drawOverlay(countdown_, paused_, letterboxViewport(framebufferSize, target.width(), target.height()));
}

void GlSceneRenderer::compositeOnly(const glm::ivec2& framebufferSize)
{
    level_.bloom.composite(framebufferSize);
}

} // namespace tavernrush
