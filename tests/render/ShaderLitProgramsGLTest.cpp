// Draws with the lit programs "phongPhong", "normalMapping" and "glow" into a
// 16 x 16 target shaped like the scene target and probes the pixels: which
// way the lights shine, attenuation, highlights, back faces, normal maps,
// missing pictures and the glow output.

#include "ShaderDrawHelpers.h"

#include "game/AssetTable.h"
#include "render/Geometry.h"
#include "render/Lights.h"
#include "render/Shader.h"

#include <glm/gtc/matrix_transform.hpp>

#include <memory>

namespace tavernrush {
namespace {

namespace draw = testing::shaderdraw;
using draw::black;
using draw::colorNear;
using draw::Rgba;
using draw::TinyTarget;
using draw::tolerance;

// Identity view-projection: the quad fills the target, its centre lies at the
// origin and faces +z, towards the camera.
struct LitScene {
    glm::mat4 model{1.0f};
    glm::vec3 cameraWorld{0.0f, 0.0f, 2.0f};
    glm::vec3 sunColor{0.0f};
    glm::vec3 sunDirection{0.0f, 0.0f, -1.0f};
    glm::vec3 lampColor{0.0f};
    glm::vec3 lampPosition{0.0f, 0.0f, 2.0f};
    glm::vec3 lampAttenuation{1.0f, 0.0f, 0.0f};
    glm::vec3 diffuseColor{0.0f};
    glm::vec3 coefficients{1.0f, 0.0f, 0.0f};
    float specularAlpha = 1.0f;
};

class LitProgramGLTest : public draw::TinyTargetGLTest {
protected:
    void SetUp() override
    {
        draw::TinyTargetGLTest::SetUp();
        if (HasFatalFailure()) {
            return;
        }
        phong = std::make_unique<Shader>("phongPhong", false, asset::shaderFolder);
        normalMapping = std::make_unique<Shader>("normalMapping", false, asset::shaderFolder);
        white = draw::solidTexture({255, 255, 255, 255});
    }

    void TearDown() override
    {
        phong.reset();
        normalMapping.reset();
        white.reset();
        draw::TinyTargetGLTest::TearDown();
    }

    // Uploads the scene the way the game's lit draws do and draws the quad.
    void drawLit(Shader& shader, const LitScene& scene, bool withTangentFrame = false)
    {
        clearTarget();
        shader.use();
        shader.setUniform("modelMatrix", scene.model);
        shader.setUniform("normalMatrix", normalMatrixOf(scene.model));
        DirectionalLight sun;
        sun.color = scene.sunColor;
        sun.direction = scene.sunDirection;
        const SceneLights lights{sun, PointLight(scene.lampColor, scene.lampPosition, scene.lampAttenuation)};
        setLightUniforms(shader, CameraUniforms{scene.cameraWorld, glm::mat4(1.0f)}, lights);
        shader.setUniform("diffuseColor", scene.diffuseColor);
        shader.setUniform("materialCoefficients", scene.coefficients);
        shader.setUniform("specularAlpha", scene.specularAlpha);
        const draw::TestQuad quad(withTangentFrame);
        quad.draw();
    }

    // Only diffuse light, off a white surface: the centre pixel is the light
    // that arrives there.
    static LitScene diffuseOnly(const glm::vec3& sunDirection)
    {
        LitScene scene;
        scene.coefficients = {0.0f, 1.0f, 0.0f};
        scene.sunColor = glm::vec3(0.5f);
        scene.sunDirection = sunDirection;
        return scene;
    }

    std::unique_ptr<Shader> phong;
    std::unique_ptr<Shader> normalMapping;
    TextureName white;
};

TEST_F(LitProgramGLTest, AmbientOnlyShowsTheSurfacePictureAndNoGlow)
{
    const TextureName picture = draw::solidTexture({200, 100, 50, 255});
    draw::bindTexture(0, GL_TEXTURE_2D, picture);
    LitScene scene;
    // Bright lights that coefficients (1, 0, 0) must shut out.
    scene.sunColor = glm::vec3(1.0f);
    scene.lampColor = glm::vec3(1.0f);
    scene.diffuseColor = {1.0f, 0.0f, 0.0f};
    drawLit(*phong, scene);
    expectEveryPixel(0, {200, 100, 50, 255});
    expectEveryPixel(1, black);
}

TEST_F(LitProgramGLTest, EmptyPictureFallsBackToDiffuseColour)
{
    const TextureName failedPicture = draw::emptyTexture();
    draw::bindTexture(0, GL_TEXTURE_2D, failedPicture);
    LitScene scene;
    scene.diffuseColor = {0.2f, 0.4f, 0.6f};
    drawLit(*phong, scene);
    EXPECT_TRUE(colorNear(target->centre(0), {51, 102, 153, 255}, tolerance));
}

TEST_F(LitProgramGLTest, SunLightsSurfacesFacingAgainstItsDirectionOfTravel)
{
    draw::bindTexture(0, GL_TEXTURE_2D, white);
    drawLit(*phong, diffuseOnly({0.0f, 0.0f, -1.0f}));
    EXPECT_TRUE(colorNear(target->centre(0), {128, 128, 128, 255}, tolerance)) << "sun shining onto the face";
    drawLit(*phong, diffuseOnly({0.0f, 0.0f, 1.0f}));
    EXPECT_TRUE(colorNear(target->centre(0), black, tolerance)) << "sun shining from behind";
}

TEST_F(LitProgramGLTest, BackFaceIsLitLikeItsFront)
{
    draw::bindTexture(0, GL_TEXTURE_2D, white);
    LitScene turned = diffuseOnly({0.0f, 0.0f, -1.0f});
    // Half a turn about y: the quad's normal points away from the sun and the
    // viewer now sees its back.
    turned.model = glm::rotate(glm::mat4(1.0f), glm::pi<float>(), glm::vec3(0.0f, 1.0f, 0.0f));
    drawLit(*phong, turned);
    EXPECT_TRUE(colorNear(target->centre(0), {128, 128, 128, 255}, tolerance));
}

TEST_F(LitProgramGLTest, LampAttenuationIsConstantLinearQuadratic)
{
    draw::bindTexture(0, GL_TEXTURE_2D, white);
    struct Case {
        glm::vec3 attenuation;
        int expected; // the lamp stands 2 units in front of the centre
    };
    for (const Case& c : {Case{{2.0f, 0.0f, 0.0f}, 128}, Case{{0.0f, 1.0f, 0.0f}, 128}, Case{{0.0f, 0.0f, 1.0f}, 64}}) {
        LitScene scene;
        scene.coefficients = {0.0f, 1.0f, 0.0f};
        scene.lampColor = glm::vec3(1.0f);
        scene.lampAttenuation = c.attenuation;
        drawLit(*phong, scene);
        EXPECT_TRUE(colorNear(target->centre(0), {c.expected, c.expected, c.expected, 255}, tolerance))
            << "attenuation (" << c.attenuation.x << ", " << c.attenuation.y << ", " << c.attenuation.z << ")";
    }
}

TEST_F(LitProgramGLTest, HighlightHasTheLightsColourAndFollowsTheCamera)
{
    const TextureName red = draw::solidTexture({255, 0, 0, 255});
    draw::bindTexture(0, GL_TEXTURE_2D, red);
    LitScene scene;
    scene.coefficients = {0.0f, 0.0f, 1.0f};
    scene.sunColor = glm::vec3(0.5f);
    scene.specularAlpha = 8.0f;
    drawLit(*phong, scene);
    EXPECT_TRUE(colorNear(target->centre(0), {127, 127, 127, 255}, tolerance)) << "mirror direction";
    scene.cameraWorld = {100.0f, 0.0f, 1.0f};
    drawLit(*phong, scene);
    EXPECT_TRUE(colorNear(target->centre(0), black, tolerance)) << "grazing view";
}

class NormalMappingGLTest : public LitProgramGLTest {
protected:
    // Draws with a one-texel normal map holding `mapTexel` (tangent space,
    // 0..255 for -1..1).
    Rgba drawWithNormal(const Rgba& mapTexel, const glm::vec3& sunDirection, bool withTangentFrame = true)
    {
        const TextureName normalMap = draw::solidTexture(mapTexel);
        draw::bindTexture(0, GL_TEXTURE_2D, white);
        draw::bindTexture(1, GL_TEXTURE_2D, normalMap);
        drawLit(*normalMapping, diffuseOnly(sunDirection), withTangentFrame);
        return target->centre(0);
    }
};

constexpr Rgba flatNormal{128, 128, 255, 255};
constexpr Rgba alongTangent{255, 128, 128, 255};
constexpr Rgba alongBitangent{128, 255, 128, 255};
constexpr Rgba halfLit{128, 128, 128, 255};

TEST_F(NormalMappingGLTest, FlatNormalMapShadesLikeTheVertexNormal)
{
    EXPECT_TRUE(colorNear(drawWithNormal(flatNormal, {0.0f, 0.0f, -1.0f}), halfLit, tolerance));
}

// The quad's tangent (attribute 3) is +x and its bitangent (attribute 4) +y.
TEST_F(NormalMappingGLTest, MapAxesFollowTangentAndBitangent)
{
    EXPECT_TRUE(colorNear(drawWithNormal(alongTangent, {-1.0f, 0.0f, 0.0f}), halfLit, tolerance));
    EXPECT_TRUE(colorNear(drawWithNormal(alongTangent, {0.0f, 0.0f, -1.0f}), black, tolerance));
    EXPECT_TRUE(colorNear(drawWithNormal(alongBitangent, {0.0f, -1.0f, 0.0f}), halfLit, tolerance));
    EXPECT_TRUE(colorNear(drawWithNormal(alongBitangent, {-1.0f, 0.0f, 0.0f}), black, tolerance));
}

TEST_F(NormalMappingGLTest, ShapesWithoutTangentFrameKeepTheVertexNormal)
{
    EXPECT_TRUE(colorNear(drawWithNormal(alongTangent, {0.0f, 0.0f, -1.0f}, false), halfLit, tolerance));
}

TEST_F(NormalMappingGLTest, EmptyNormalMapKeepsTheVertexNormal)
{
    const TextureName failedMap = draw::emptyTexture();
    draw::bindTexture(0, GL_TEXTURE_2D, white);
    draw::bindTexture(1, GL_TEXTURE_2D, failedMap);
    drawLit(*normalMapping, diffuseOnly({0.0f, 0.0f, -1.0f}), true);
    EXPECT_TRUE(colorNear(target->centre(0), halfLit, tolerance));
}

TEST_F(LitProgramGLTest, GlowProgramWritesTheBlurredCoinPictureToTheSecondOutput)
{
    Shader glow("glow", false, asset::shaderFolder);
    const TextureName coin = draw::solidTexture({200, 100, 50, 255});
    const TextureName blurredCoin = draw::solidTexture({100, 80, 20, 255});
    draw::bindTexture(0, GL_TEXTURE_2D, coin);
    draw::bindTexture(1, GL_TEXTURE_2D, blurredCoin);
    drawLit(glow, LitScene{});
    expectEveryPixel(0, {200, 100, 50, 255});
    const Rgba halo = target->centre(1);
    EXPECT_GE(halo.r, 100) << halo;
    EXPECT_GT(halo.r, halo.g) << "keeps the picture's hue " << halo;
    EXPECT_GT(halo.g, halo.b) << "keeps the picture's hue " << halo;
    EXPECT_EQ(halo.a, 255);

    const TextureName noGlow = draw::solidTexture(black);
    draw::bindTexture(1, GL_TEXTURE_2D, noGlow);
    drawLit(glow, LitScene{});
    expectEveryPixel(1, black);
}

} // namespace
} // namespace tavernrush
