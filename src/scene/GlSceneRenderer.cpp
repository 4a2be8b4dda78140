#include "scene/GlSceneRenderer.h"

#include "passes/Letterbox.h"

#include <glm/gtc/matrix_transform.hpp>

#include <string>

namespace tavernrush {
namespace {

constexpr glm::vec3 red{1.0f, 0.0f, 0.0f};
constexpr glm::vec3 standardCoefficients{0.8f, 0.7f, 0.1f};
constexpr float standardShininess = 2.0f;

void setStandardSurface(Shader& shader)
{
    shader.setUniform("diffuseColor", red);
    shader.setUniform("materialCoefficients", standardCoefficients);
    shader.setUniform("specularAlpha", standardShininess);
}

RenderPass passOf(Drawable what)
{
    switch (what) {
    case Drawable::Figure:
    case Drawable::Ground:
    case Drawable::Ghost: return RenderPass::ground;
    case Drawable::Sky: return RenderPass::sky;
    case Drawable::BrickWall:
    case Drawable::PlainBrickWall: return RenderPass::wall;
    case Drawable::Coins:
    case Drawable::Beers: return RenderPass::items;
    case Drawable::Model: return RenderPass::models;
    case Drawable::AnimationBoard:
    case Drawable::CounterSpheres:
    case Drawable::PictureBoard: return RenderPass::pictures;
    }
    return RenderPass::pictures;
}

// The picture is read from its file only when it changes.
void showPicture(Material& material, const std::string& path)
{
    if (material.texturePath() != path) {
        material.setTexture(path);
    }
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
    if (automaticScale_) {
        level_.bloom.setRenderScale(automaticScale_->frameStarts());
    }
    glEnable(GL_DEPTH_TEST);
    level_.materials[AssetId::WoodGround]->materialCoefficients.x = scene.groundAmbient;
    level_.geometry.boards.animationMaterial().materialCoefficients.x = scene.boardAmbient;
    {
        const TimedPass timed(passTimer_, RenderPass::shadow);
        drawShadowPass(scene);
    }
    level_.bloom.sceneTarget().bindForScene();
    Shader& phong = *level_.shaders[AssetId::PhongProgram];
    phong.use();
    setLightUniforms(phong, cameraUniformsOf(scene.view), level_.lights);
    Shader& glow = *level_.shaders[AssetId::GlowProgram];
    glow.use();
    setLightUniforms(glow, cameraUniformsOf(scene.coinView), level_.lights);
    setStandardSurface(glow);

    std::optional<TimedPass> timed;
    std::optional<RenderPass> pass;
    for (const DrawItem& item : scene.items) {
        if (passOf(item.what) != pass) {
            pass = passOf(item.what);
            timed.reset();
            timed.emplace(passTimer_, *pass);
        }
        drawItem(scene, item);
    }
    timed.reset();
    drawWinPlaque(scene);
    countdown_ = scene.countdown;
    paused_ = scene.paused;
    menu_ = scene.menu;
    prompt_ = scene.prompt;
}

void GlSceneRenderer::scaleFixed(float scale)
{
    automaticScale_.reset();
    level_.bloom.setRenderScale(scale);
}

void GlSceneRenderer::drawItem(const FrameScene& scene, const DrawItem& item)
{
    switch (item.what) {
    case Drawable::Figure:
    case Drawable::Ground: drawOnShadowedGround(scene, item); return;
    case Drawable::Ghost: drawGhost(scene, item); return;
    case Drawable::Sky:
        drawSky(level_.skybox, *level_.shaders[AssetId::SkyProgram], scene.view.viewMatrix, scene.view.projectionMatrix);
        return;
    case Drawable::BrickWall:
    case Drawable::PlainBrickWall: drawBrickWall(scene, item); return;
    case Drawable::Coins:
        for (const glm::mat4& coin : scene.coins) {
            level_.coinDrawer.drawItem(coin);
        }
        return;
    case Drawable::Beers:
        for (const glm::mat4& beer : scene.beers) {
            level_.beerDrawer.drawItem(beer);
        }
        return;
    case Drawable::Model:
        drawLitModel(level_.models[item.modelAsset], item, *level_.textures[item.pictureAsset]);
        return;
    case Drawable::AnimationBoard: drawAnimationBoard(scene, item); return;
    case Drawable::CounterSpheres: drawCounterSpheres(scene); return;
    case Drawable::PictureBoard: {
        Shader& phong = *level_.shaders[AssetId::PhongProgram];
        phong.use();
        setNormalMatrix(phong, item);
        level_.geometry.boards.drawScreenBoard(item.picture, item.model, phong);
        return;
    }
    }
}

void GlSceneRenderer::setNormalMatrix(Shader& shader, const DrawItem& item)
{
    if (item.normalMatrix) {
        shader.setUniform("normalMatrix", *item.normalMatrix);
    }
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

void GlSceneRenderer::drawOnShadowedGround(const FrameScene& scene, const DrawItem& item)
{
    Shader& shadow = *level_.shaders[AssetId::ShadowProgram];
    shadow.use();
    setShadowReceiverUniforms(shadow, scene.view.projectionMatrix, scene.view.viewMatrix, scene.view.cameraPosition,
                              light_);
    shadow.setUniform("model", item.model);
    if (item.what == Drawable::Figure) {
        shadow.setUniform("ambientFactor", 1.0f);
        level_.textures[AssetId::Metal]->bind(0);
        level_.models[AssetId::FigureModel].draw();
        return;
    }
    shadow.setUniform("ambientFactor", scene.groundAmbient);
    level_.geometry.ground.drawWithShadowMap(level_.shadowMap.depthTexture());
}

// The figure again, blended over the finished scene at a constant share so
// whatever stands behind it shows through. It writes no depth (nothing is
// drawn after it) and leaves the target's alpha, which the glow reads, alone.
void GlSceneRenderer::drawGhost(const FrameScene& scene, const DrawItem& item)
{
    constexpr float ghostOpacity = 0.4f;
    glEnable(GL_BLEND);
    glBlendColor(0.0f, 0.0f, 0.0f, ghostOpacity);
    glBlendFuncSeparate(GL_CONSTANT_ALPHA, GL_ONE_MINUS_CONSTANT_ALPHA, GL_ZERO, GL_ONE);
    glDepthMask(GL_FALSE);
    DrawItem figure = item;
    figure.what = Drawable::Figure;
    drawOnShadowedGround(scene, figure);
    glDepthMask(GL_TRUE);
    glBlendFunc(GL_ONE, GL_ZERO);
    glDisable(GL_BLEND);
}

void GlSceneRenderer::drawBrickWall(const FrameScene& scene, const DrawItem& item)
{
    const glm::mat3 normalMatrix{item.model};
    if (item.what == Drawable::BrickWall) {
        Shader& normalMapping = *level_.shaders[AssetId::NormalMappingProgram];
        normalMapping.use();
        normalMapping.setUniform("modelMatrix", item.model);
        normalMapping.setUniform("normalMatrix", normalMatrix);
        setLightUniforms(normalMapping, cameraUniformsOf(scene.view), level_.lights);
        setStandardSurface(normalMapping);
        level_.textures[AssetId::Bricks]->bind(0);
        level_.textures[AssetId::BricksNormal]->bind(1);
        level_.models[AssetId::BrickWallModel].draw();
        return;
    }
    // The plain wall has always been drawn with the lit program as the frame
    // before left it: that frame's camera and the counter spheres' surface.
    Shader& phong = *level_.shaders[AssetId::PhongProgram];
    phong.use();
    setLightUniforms(phong, cameraUniformsOf(scene.coinView), level_.lights);
    level_.geometry.spheres.coinMaterial().setUniforms();
    phong.setUniform("modelMatrix", item.model);
    phong.setUniform("normalMatrix", normalMatrix);
    level_.textures[AssetId::Bricks]->bind(0);
    level_.textures[AssetId::BricksNormal]->bind(1);
    level_.models[AssetId::BrickWallModel].draw();
    setLightUniforms(phong, cameraUniformsOf(scene.view), level_.lights);
}

void GlSceneRenderer::drawLitModel(const ImportedModel& model, const DrawItem& item, const Texture& picture)
{
    Shader& phong = *level_.shaders[AssetId::PhongProgram];
    phong.use();
    if (item.surface == BorrowedSurface::FieldItem) {
        level_.beerDrawer.surface().setUniforms();
    } else if (item.surface == BorrowedSurface::CounterSphere) {
        level_.geometry.spheres.coinMaterial().setUniforms();
    }
    setNormalMatrix(phong, item);
    phong.setUniform("modelMatrix", item.model);
    picture.bind(0);
    model.draw();
}

void GlSceneRenderer::drawAnimationBoard(const FrameScene& scene, const DrawItem& item)
{
    PictureBoards& boards = level_.geometry.boards;
    showPicture(boards.animationMaterial(), scene.animationPicture);
    level_.shaders[AssetId::PhongProgram]->use();
    boards.drawAnimationBoard(*level_.shaders[AssetId::PhongProgram], item.model);
}

void GlSceneRenderer::drawCounterSpheres(const FrameScene& scene)
{
    CounterSpheres& spheres = level_.geometry.spheres;
    showPicture(spheres.coinMaterial(), scene.coinCounterPicture);
    showPicture(spheres.beerMaterial(), scene.beerCounterPicture);
    spheres.draw(scene.counterTurns);
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
    {
        const TimedPass timed(passTimer_, RenderPass::overlay);
        const Bloom& bloom = level_.bloom;
        level_.hud.drawOverlay(countdown_, paused_,
                               letterboxViewport(framebufferSize, bloom.imageWidth(), bloom.imageHeight()), menu_,
                               prompt_);
    }
    if (automaticScale_) {
        automaticScale_->frameEnds();
    }
}

void GlSceneRenderer::compositeOnly(const glm::ivec2& framebufferSize)
{
    level_.bloom.composite(framebufferSize);
}

} // namespace tavernrush
