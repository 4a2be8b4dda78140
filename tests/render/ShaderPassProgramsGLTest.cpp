// Draws with the programs of the render passes into a 16 x 16 target shaped
// like the scene target and probes the pixels: the sky's depth and direction,
// the shadow depth pass and shadow test, the blur kernel and the composite.

#include "ShaderDrawHelpers.h"

#include "game/AssetTable.h"
#include "render/Shader.h"

#include <glm/gtc/matrix_transform.hpp>

#include <array>
#include <memory>
#include <numeric>

namespace tavernrush {
namespace {

namespace draw = testing::shaderdraw;
using draw::black;
using draw::colorNear;
using draw::Rgba;
using draw::TinyTarget;
using draw::tolerance;

class PassProgramGLTest : public draw::TinyTargetGLTest {};

// ---------------------------------------------------------------------------
// "skyShader"

TEST_F(PassProgramGLTest, SkyLiesOnTheFarPlaneAndLooksAlongThePosition)
{
    Shader sky("skyShader", false, asset::shaderFolder);
    const std::array<Rgba, 6> faces{Rgba{250, 0, 0, 255},   Rgba{0, 250, 0, 255},  Rgba{0, 0, 250, 255},
                                    Rgba{250, 250, 0, 255}, Rgba{0, 250, 250, 255}, Rgba{120, 60, 30, 255}};
    const TextureName cube = draw::cubeTexture(faces);
    draw::bindTexture(0, GL_TEXTURE_CUBE_MAP, cube);
    const draw::TestCube box;

    sky.use();
    sky.setUniform("proj", glm::perspective(glm::radians(90.0f), 1.0f, 0.1f, 10.0f));
    // Whatever the depth buffer held before, the sky's own depth is written.
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_ALWAYS);
    for (const auto& [view, face] : {std::pair{glm::mat3(1.0f), 5},
                                     // A quarter turn about y brings the +x face in front.
                                     std::pair{glm::mat3(glm::rotate(glm::mat4(1.0f), glm::half_pi<float>(),
                                                                     glm::vec3(0.0f, 1.0f, 0.0f))),
                                               0}}) {
        clearTarget(0.25f);
        sky.setUniform("view", view);
        box.draw();
        EXPECT_TRUE(colorNear(target->centre(0), faces[static_cast<std::size_t>(face)], tolerance)) << "face " << face;
        for (const float depth : target->readDepth()) {
            ASSERT_EQ(depth, 1.0f);
        }
        expectEveryPixel(1, black);
    }
    glDepthFunc(GL_LESS);
}

// ---------------------------------------------------------------------------
// "sm_depth" and "sm"

TEST_F(PassProgramGLTest, ShadowDepthPassPlacesTheModelInLightSpace)
{
    Shader depthOnly("sm_depth", false, asset::shaderFolder);
    const draw::TestQuad quad(false);
    clearTarget();
    glEnable(GL_DEPTH_TEST);
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    depthOnly.use();
    // The model moves the quad to z = 0.5, then the light halves z to 0.25:
    // depth 0.25 * 0.5 + 0.5. Applied the other way round it would be 0.75.
    depthOnly.setUniform("lightSpaceMatrix", glm::scale(glm::mat4(1.0f), glm::vec3(1.0f, 1.0f, 0.5f)));
    depthOnly.setUniform("model", glm::translate(glm::mat4(1.0f), glm::vec3(0.0f, 0.0f, 0.5f)));
    quad.draw();
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    for (const float depth : target->readDepth()) {
        ASSERT_NEAR(depth, 0.625f, 1e-5f);
    }
}

class ShadowReceiverGLTest : public PassProgramGLTest {
protected:
    void SetUp() override
    {
        PassProgramGLTest::SetUp();
        if (HasFatalFailure()) {
            return;
        }
        receiver = std::make_unique<Shader>("sm", false, asset::shaderFolder);
        quad = std::make_unique<draw::TestQuad>(false);
        white = draw::solidTexture({255, 255, 255, 255});
    }

    void TearDown() override
    {
        receiver.reset();
        quad.reset();
        white.reset();
        PassProgramGLTest::TearDown();
    }

    // The quad at z = 0 lies at light depth 0.5 under an identity light
    // matrix, with the sun straight in front of it.
    template <typename DepthAt>
    void drawWithShadowMap(DepthAt depthAt, const glm::mat4& lightSpace = glm::mat4(1.0f))
    {
        const TextureName shadowMap = draw::depthTexture(8, depthAt);
        draw::bindTexture(0, GL_TEXTURE_2D, white);
        draw::bindTexture(1, GL_TEXTURE_2D, shadowMap);
        clearTarget();
        receiver->use();
        receiver->setUniform("projection", glm::mat4(1.0f));
        receiver->setUniform("view", glm::mat4(1.0f));
        receiver->setUniform("model", glm::mat4(1.0f));
        receiver->setUniform("lightSpaceMatrix", lightSpace);
        receiver->setUniform("viewPos", glm::vec3(0.0f, 0.0f, 2.0f));
        receiver->setUniform("lightPos", glm::vec3(0.0f, 0.0f, 10.0f));
        quad->draw();
    }

    static float nothingInTheWay(int, int) { return 1.0f; }
    static float occluderEverywhere(int, int) { return 0.2f; }

    std::unique_ptr<Shader> receiver;
    std::unique_ptr<draw::TestQuad> quad;
    TextureName white;
};

TEST_F(ShadowReceiverGLTest, NearerOccluderDarkensButLeavesAmbient)
{
    drawWithShadowMap(nothingInTheWay);
    const Rgba lit = target->centre(0);
    expectEveryPixel(1, black);
    drawWithShadowMap(occluderEverywhere);
    const Rgba shadowed = target->centre(0);
    EXPECT_LT(shadowed.r, lit.r - 60) << shadowed << " vs lit " << lit;
    EXPECT_GT(shadowed.r, 30) << "ambient light remains in the shadow";
    expectEveryPixel(1, black);
}

TEST_F(ShadowReceiverGLTest, SurfaceDoesNotShadowItself)
{
    drawWithShadowMap(nothingInTheWay);
    const Rgba lit = target->centre(0);
    // The map holds the receiver's own depth (0.5) as the depth pass would
    // record it: off by a little rounding and interpolation error.
    drawWithShadowMap([](int, int) { return 0.4998f; });
    EXPECT_TRUE(colorNear(target->centre(0), lit, 0));
}

TEST_F(ShadowReceiverGLTest, FragmentsOutsideTheLightsMapAreLit)
{
    drawWithShadowMap(nothingInTheWay);
    const Rgba lit = target->centre(0);
    drawWithShadowMap(occluderEverywhere, glm::translate(glm::mat4(1.0f), glm::vec3(3.0f, 0.0f, 0.0f)));
    EXPECT_TRUE(colorNear(target->centre(0), lit, 0)) << "beside the map";
    drawWithShadowMap(occluderEverywhere, glm::translate(glm::mat4(1.0f), glm::vec3(0.0f, 0.0f, 2.0f)));
    EXPECT_TRUE(colorNear(target->centre(0), lit, 0)) << "beyond the light's far plane";
}

TEST_F(ShadowReceiverGLTest, ShadowEdgeIsFiltered)
{
    drawWithShadowMap(occluderEverywhere);
    const Rgba shadowed = target->centre(0);
    drawWithShadowMap(nothingInTheWay);
    const Rgba lit = target->centre(0);
    // Occluder over the left half of the map.
    drawWithShadowMap([](int x, int) { return x < 4 ? 0.2f : 1.0f; });
    const std::vector<Rgba> pixels = target->readColor(0);
    const auto rowPixel = [&](int x) { return pixels[static_cast<std::size_t>(8 * TinyTarget::size + x)]; };
    EXPECT_TRUE(colorNear(rowPixel(0), shadowed, tolerance));
    EXPECT_TRUE(colorNear(rowPixel(TinyTarget::size - 1), lit, tolerance));
    int partlyShadowed = 0;
    for (int x = 0; x < TinyTarget::size; ++x) {
        const int r = rowPixel(x).r;
        partlyShadowed += (r > shadowed.r + 10 && r < lit.r - 10) ? 1 : 0;
    }
    EXPECT_GT(partlyShadowed, 0) << "no soft transition at the shadow edge";
}

// ---------------------------------------------------------------------------
// "blur" and "screen": one point, expanded over the viewport

class FullScreenGLTest : public PassProgramGLTest {
protected:
    void SetUp() override
    {
        PassProgramGLTest::SetUp();
        if (HasFatalFailure()) {
            return;
        }
        point = std::make_unique<draw::EmptyVertexArray>();
        blur = std::make_unique<Shader>("blur", true, asset::shaderFolder);
        glDisable(GL_DEPTH_TEST);
    }

    void TearDown() override
    {
        point.reset();
        blur.reset();
        PassProgramGLTest::TearDown();
    }

    // Red channel of the blur of a 16 x 16 black image with one white texel.
    std::vector<int> blurOfOneTexel(glm::ivec2 texel, int horizontal, glm::vec2 offset)
    {
        const TextureName source = draw::sparseTexture(TinyTarget::size, TinyTarget::size, {{texel, {255, 255, 255, 255}}});
        draw::bindTexture(0, GL_TEXTURE_2D, source);
        clearTarget();
        blur->use();
        blur->setUniform("offset", offset);
        blur->setUniform("horizontal", horizontal);
        point->drawPoint();
        std::vector<int> red;
        for (const Rgba& pixel : target->readColor(0)) {
            EXPECT_EQ(pixel.g, pixel.r);
            EXPECT_EQ(pixel.b, pixel.r);
            red.push_back(pixel.r);
        }
        return red;
    }

    static int at(const std::vector<int>& image, int x, int y) { return image[static_cast<std::size_t>(y * TinyTarget::size + x)]; }

    std::unique_ptr<draw::EmptyVertexArray> point;
    std::unique_ptr<Shader> blur;
    const glm::vec2 oneTexel{1.0f / TinyTarget::size, 1.0f / TinyTarget::size};
};

TEST_F(FullScreenGLTest, BlurSpreadsSymmetricallyAlongTheChosenAxisOnly)
{
    for (const int horizontal : {1, 0}) {
        SCOPED_TRACE(horizontal != 0 ? "horizontal" : "vertical");
        const std::vector<int> image = blurOfOneTexel({8, 8}, horizontal, oneTexel);
        // Value at distance d from the bright texel along the pass's axis.
        const auto along = [&](int d) { return horizontal != 0 ? at(image, 8 + d, 8) : at(image, 8, 8 + d); };
        for (int d = 1; d <= 7; ++d) {
            EXPECT_NEAR(along(d), along(-d), 1) << "distance " << d;
            EXPECT_LE(along(d), along(d - 1)) << "distance " << d;
        }
        EXPECT_GT(along(0), along(1));
        EXPECT_GT(along(3), 0) << "too narrow to be a glow";
        int offAxis = 0;
        for (int y = 0; y < TinyTarget::size; ++y) {
            for (int x = 0; x < TinyTarget::size; ++x) {
                const bool onAxis = horizontal != 0 ? y == 8 : x == 8;
                offAxis += onAxis ? 0 : at(image, x, y);
            }
        }
        EXPECT_EQ(offAxis, 0);
        // Weights summing to one keep the glow's energy; 8-bit rounding of
        // nine taps may move it by a few levels.
        EXPECT_NEAR(std::accumulate(image.begin(), image.end(), 0), 255, 6);
    }
}

TEST_F(FullScreenGLTest, BlurStepsByTheGivenOffset)
{
    const std::vector<int> image = blurOfOneTexel({8, 8}, 1, {2.0f * oneTexel.x, 0.0f});
    EXPECT_EQ(at(image, 9, 8), 0) << "taps skip every other texel";
    EXPECT_GT(at(image, 10, 8), 0);
}

TEST_F(FullScreenGLTest, BlurDoesNotWrapAroundTheImageEdge)
{
    const std::vector<int> image = blurOfOneTexel({0, 8}, 1, oneTexel);
    EXPECT_GT(at(image, 1, 8), 0);
    for (int x = 8; x < TinyTarget::size; ++x) {
        EXPECT_EQ(at(image, x, 8), 0) << "column " << x;
    }
}

TEST_F(FullScreenGLTest, ScreenAddsTheGlowToTheScene)
{
    Shader screen("screen", true, asset::shaderFolder);
    struct Case {
        Rgba scene;
        Rgba glow;
        Rgba expected;
    };
    for (const Case& c : {Case{{100, 50, 20, 255}, {50, 60, 70, 255}, {150, 110, 90, 255}},
                          Case{{200, 200, 10, 255}, {100, 20, 0, 255}, {255, 220, 10, 255}}}) {
        const TextureName scene = draw::solidTexture(c.scene);
        const TextureName glow = draw::solidTexture(c.glow);
        draw::bindTexture(0, GL_TEXTURE_2D, scene);
        draw::bindTexture(1, GL_TEXTURE_2D, glow);
        clearTarget();
        screen.use();
        point->drawPoint();
        expectEveryPixel(0, c.expected);
    }
}

TEST_F(FullScreenGLTest, ScreenKeepsTheSceneUpright)
{
    Shader screen("screen", true, asset::shaderFolder);
    const TextureName scene = draw::sparseTexture(TinyTarget::size, TinyTarget::size, {{{3, 12}, {255, 255, 255, 255}}});
    const TextureName glow = draw::solidTexture(black);
    draw::bindTexture(0, GL_TEXTURE_2D, scene);
    draw::bindTexture(1, GL_TEXTURE_2D, glow);
    clearTarget();
    screen.use();
    point->drawPoint();
    EXPECT_TRUE(colorNear(target->pixel(0, 3, 12), {255, 255, 255, 255}, 0));
    EXPECT_TRUE(colorNear(target->pixel(0, 12, 3), black, 0));
    EXPECT_TRUE(colorNear(target->pixel(0, 3, 3), black, 0));
}

} // namespace
} // namespace tavernrush
