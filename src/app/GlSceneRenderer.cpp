#include "app/GlSceneRenderer.h"

#include <glm/gtc/matrix_transform.hpp>

namespace tavernrush {
namespace {

const glm::mat4 brickWallPlacement = glm::translate(glm::mat4(1.0f), glm::vec3(-10.0f, 1.5f, -6.0f));
const glm::mat4 ladderPlacement = glm::translate(glm::mat4(1.0f), glm::vec3(40.0f, 0.0f, -40.0f));
const glm::mat4 toiletPlacement = glm::translate(glm::mat4(1.0f), glm::vec3(70.0f, 2.0f, -70.0f));

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

void GlSceneRenderer::beginFrame()
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
}

void GlSceneRenderer::adjustBrightness(float step)
{
    p_.materials.ground->materialCoefficients.x += step;
    p_.geometry.boards.animationMaterial().materialCoefficients.x += step;
}

void GlSceneRenderer::drawShadowPass(const FrameView& view, const glm::mat4& playerModel)
{
    light_ = lightSpaceFor(p_.lights.directional.direction, view.playerPosition);
    renderShadowDepth(p_.shadowMap, *p_.shaders.shadowDepth, light_, playerModel,
                      [this] { p_.models.figure.draw(); });
}

void GlSceneRenderer::beginScenePass(const FrameView& view, const glm::mat4& playerModel, bool drawPlayer)
{
    p_.bloom.sceneTarget().bindForScene();
    Shader& shadow = *p_.shaders.shadow;
    shadow.use();
    shadow.setUniform("projection", view.projectionMatrix);
    shadow.setUniform("view", view.viewMatrix);
    shadow.setUniform("viewPos", view.cameraPosition);
    shadow.setUniform("lightPos", light_.sunPosition);
    shadow.setUniform("lightSpaceMatrix", light_.lightSpaceMatrix);
    if (drawPlayer) {
        shadow.setUniform("model", playerModel);
        glActiveTexture(GL_TEXTURE0);
        glBindTexture(GL_TEXTURE_2D, p_.textures.metal->handle());
        p_.models.figure.draw();
    }
    shadow.setUniform("model", p_.geometry.ground.getModelMatrix());
    p_.geometry.ground.drawWithShadowMap(p_.shadowMap.depthTexture());
}

void GlSceneRenderer::drawSky(const FrameView& view)
{
    tavernrush::drawSky(p_.skybox, *p_.shaders.sky, view.viewMatrix, view.projectionMatrix);
}

void GlSceneRenderer::drawBrickWall(const FrameView& view, bool plainPhong)
{
    Shader& normalMapping = *p_.shaders.normalMapping;
    const glm::mat3 normalMatrix{brickWallPlacement};
    normalMapping.use();
    normalMapping.setUniform("modelMatrix", brickWallPlacement);
    normalMapping.setUniform("normalMatrix", normalMatrix);
    setLightUniforms(normalMapping, cameraUniformsOf(view), p_.lights, CameraUniformOrder::CameraFirst);
    setStandardSurface(normalMapping);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, p_.textures.bricks->handle());
    glActiveTexture(GL_TEXTURE1);
    glBindTexture(GL_TEXTURE_2D, p_.textures.bricksNormal->handle());
    if (plainPhong) {
        Shader& phong = *p_.shaders.phong;
        phong.use();
        phong.setUniform("modelMatrix", brickWallPlacement);
        phong.setUniform("normalMatrix", normalMatrix);
    }
    p_.models.brickWall.draw();
}

void GlSceneRenderer::prepareLitObjects(const FrameView& view)
{
    Shader& phong = *p_.shaders.phong;
    phong.use();
    // The never-drawn sky room lends its matrices to every draw that follows
    // and sets only "modelMatrix".
    phong.setUniform("modelMatrix", p_.geometry.skyRoom.getModelMatrix());
    phong.setUniform("normalMatrix", p_.geometry.skyRoom.getNormalMatrix());
    setLightUniforms(phong, cameraUniformsOf(view), p_.lights, CameraUniformOrder::ViewProjectionFirst);
}

void GlSceneRenderer::drawLitModel(const ImportedModel& model, const glm::mat4& placement, const Texture& picture)
{
    p_.shaders.phong->setUniform("modelMatrix", placement);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, picture.handle());
    model.draw();
}

void GlSceneRenderer::drawUnicorns(const std::vector<glm::vec3>& unicornPositions)
{
    p_.shaders.phong->use();
    for (const glm::vec3& position : unicornPositions) {
        drawLitModel(p_.models.unicorn, glm::translate(glm::mat4(1.0f), position), *p_.textures.unicorn);
    }
}

void GlSceneRenderer::drawLadderAndToilet()
{
    p_.shaders.phong->use();
    drawLitModel(p_.models.ladder, ladderPlacement, *p_.textures.grass);
    drawLitModel(p_.models.toiletHut, toiletPlacement, *p_.textures.toilet);
}

void GlSceneRenderer::drawPicture(Picture picture, const glm::mat4& boardModel)
{
    p_.geometry.boards.drawScreenBoard(picture, boardModel, *p_.shaders.phong);
}

void GlSceneRenderer::showAnimationFrame(const std::string& path)
{
    p_.geometry.boards.animationMaterial().setTexture(path);
}

void GlSceneRenderer::drawAnimationBoard()
{
    p_.shaders.phong->use();
    p_.geometry.boards.drawAnimationBoard(*p_.shaders.phong);
}

void GlSceneRenderer::showCoinPicture(const std::string& path) { p_.geometry.spheres.coinMaterial().setTexture(path); }

void GlSceneRenderer::showBeerPicture(const std::string& path) { p_.geometry.spheres.beerMaterial().setTexture(path); }

void GlSceneRenderer::drawCounterSpheres(float deltaTime) { p_.geometry.spheres.updateAndDraw(deltaTime); }

void GlSceneRenderer::refreshCoinProgram(const FrameView& view)
{
    Shader& glow = *p_.shaders.glow;
    glow.use();
    setLightUniforms(glow, cameraUniformsOf(view), p_.lights, CameraUniformOrder::ViewProjectionFirst);
    setStandardSurface(glow);
    glActiveTexture(GL_TEXTURE1);
    glBindTexture(GL_TEXTURE_2D, p_.textures.coinGlow->handle());
}

void GlSceneRenderer::drawCarriedBag(const glm::mat4& bagModel)
{
    p_.shaders.phong->use();
    drawLitModel(p_.models.bag, bagModel, *p_.textures.bag);
}

void GlSceneRenderer::beginEndPictures() { p_.shaders.phong->use(); }

void GlSceneRenderer::present(const glm::ivec2& framebufferSize) { p_.bloom.present(framebufferSize); }

void GlSceneRenderer::compositeOnly(const glm::ivec2& framebufferSize) { p_.bloom.composite(framebufferSize); }

} // namespace tavernrush
