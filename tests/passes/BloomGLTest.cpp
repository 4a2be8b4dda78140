// The bloom targets and passes, read back from the GPU: sizes and formats,
// completeness, the glow copy, the ping-pong blur, the letterboxed composite
// and the release of every GL object at exit.

#include "passes/Bloom.h"
#include "passes/FramebufferCheck.h"

#include "game/AssetTable.h"

#include "passes/PassTestSupport.h"
#include "support/GlTestContext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tavernrush {
namespace {

using testing::framebufferStatus;
using testing::integerState;
using testing::readFramebuffer;
using testing::readTexture;
using testing::textureLevelParameter;
using testing::textureParameter;

class BloomGLTest : public testing::GlTest {};

void expectTexture(GLuint texture, int width, int height, GLint internalFormat)
{
    EXPECT_EQ(textureLevelParameter(texture, GL_TEXTURE_WIDTH), width);
    EXPECT_EQ(textureLevelParameter(texture, GL_TEXTURE_HEIGHT), height);
    EXPECT_EQ(textureLevelParameter(texture, GL_TEXTURE_INTERNAL_FORMAT), internalFormat);
}

void clearGlow(const SceneTarget& target, const glm::vec4& color)
{
    glBindFramebuffer(GL_FRAMEBUFFER, target.framebuffer());
    glClearBufferfv(GL_COLOR, 1, &color.x);
}

TEST_F(BloomGLTest, TargetsHaveTheConfiguredSizesFormatsAndOutputs)
{
    ::testing::internal::CaptureStdout();
    const SceneTarget scene(801, 600);
    const BlurTargets blur(801, 600);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");

    expectTexture(scene.colorTexture(), 801, 600, GL_RGBA8);
    expectTexture(scene.glowTexture(), 801, 600, GL_RGBA8);
    expectTexture(scene.depthTexture(), 801, 600, GL_DEPTH_COMPONENT24);
    EXPECT_EQ(framebufferStatus(scene.framebuffer()), static_cast<GLenum>(GL_FRAMEBUFFER_COMPLETE));
    glBindFramebuffer(GL_FRAMEBUFFER, scene.framebuffer());
    EXPECT_EQ(integerState(GL_DRAW_BUFFER0), GL_COLOR_ATTACHMENT0);
    EXPECT_EQ(integerState(GL_DRAW_BUFFER1), GL_COLOR_ATTACHMENT1);

    // Odd sizes round the targets down but step by the exact half size.
    EXPECT_EQ(blur.halfWidth(), 400);
    EXPECT_EQ(blur.halfHeight(), 300);
    EXPECT_EQ(blur.offset(), glm::vec2(1.0f / 400.5f, 1.0f / 300.0f));
    for (int k = 0; k < 2; ++k) {
        expectTexture(blur.colorTexture(k), 400, 300, GL_RGBA8);
        expectTexture(blur.depthTexture(k), 400, 300, GL_DEPTH_COMPONENT24);
        EXPECT_EQ(framebufferStatus(blur.framebuffer(k)), static_cast<GLenum>(GL_FRAMEBUFFER_COMPLETE));
    }
    EXPECT_NE(blur.framebuffer(0), blur.framebuffer(1));
    EXPECT_EQ(integerState(GL_FRAMEBUFFER_BINDING), 0) << "the blur targets leave framebuffer 0 bound";
}

TEST_F(BloomGLTest, AnIncompleteTargetIsReportedOnceEachAndKept)
{
    ::testing::internal::CaptureStdout();
    const SceneTarget empty(0, 0);
    const BlurTargets tiny(1, 1); // both halves are 0 x 0
    const std::string printed = ::testing::internal::GetCapturedStdout();

    const std::string line = std::string(framebufferErrorMessage) + "\n";
    EXPECT_EQ(printed, line + line + line);
    EXPECT_NE(empty.framebuffer(), 0u);
    EXPECT_NE(framebufferStatus(empty.framebuffer()), static_cast<GLenum>(GL_FRAMEBUFFER_COMPLETE));
    EXPECT_NE(framebufferStatus(tiny.framebuffer(1)), static_cast<GLenum>(GL_FRAMEBUFFER_COMPLETE));
    // The driver names the fault itself; that is expected here.
    const std::vector<std::string> messages = context->takeMessages();
    EXPECT_FALSE(messages.empty());
    for (const std::string& message : messages) {
        EXPECT_NE(message.find("incomplete"), std::string::npos) << message;
    }
}

TEST_F(BloomGLTest, TheGlowCopyReadsTheGlowOutputAtHalfSize)
{
    SceneTarget scene(8, 8);
    const BlurTargets blur(8, 8);
    // A different colour in each quadrant of the glow; the ordinary image green.
    std::array<glm::u8vec4, 64> glow;
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            glow[static_cast<std::size_t>(y * 8 + x)] =
                glm::u8vec4(x < 4 ? 200 : 40, y < 4 ? 180 : 20, 0, 255);
        }
    }
    glBindTexture(GL_TEXTURE_2D, scene.glowTexture());
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 8, 8, GL_RGBA, GL_UNSIGNED_BYTE, glow.data());
    glBindFramebuffer(GL_FRAMEBUFFER, scene.framebuffer());
    const glm::vec4 green(0.0f, 1.0f, 0.0f, 1.0f);
    glClearBufferfv(GL_COLOR, 0, &green.x);

    // The blur target's depth nearer than anything: a copy that tested
    // against it would leave the target as it was.
    glBindFramebuffer(GL_FRAMEBUFFER, blur.framebuffer(0));
    glClearDepth(0.0);
    glClear(GL_DEPTH_BUFFER_BIT);
    glClearDepth(1.0);
    const Shader copy("glowCopy", false, asset::shaderFolder);
    const VertexArrayName empty = createVertexArray();
    glEnable(GL_DEPTH_TEST);

    copyGlowToBlur(copy, empty.get(), scene.glowTexture(), blur.framebuffer(0), 4, 4);

    EXPECT_EQ(integerState(GL_READ_FRAMEBUFFER_BINDING), 0);
    EXPECT_EQ(integerState(GL_DRAW_FRAMEBUFFER_BINDING), 0);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    const testing::Image copied = readTexture(blur.colorTexture(0));
    ASSERT_EQ(copied.width, 4);
    EXPECT_EQ(copied.at(0, 0), glm::u8vec4(200, 180, 0, 255));
    EXPECT_EQ(copied.at(3, 0), glm::u8vec4(40, 180, 0, 255));
    EXPECT_EQ(copied.at(0, 3), glm::u8vec4(200, 20, 0, 255));
    EXPECT_EQ(copied.at(3, 3), glm::u8vec4(40, 20, 0, 255));
}

// The drawn copy stands in for a nearest framebuffer blit, which llvmpipe
// (the driver of the game's screenshots) rounds its own way: a quad drawn
// any other way picks other source texels on some rows at most sizes.
TEST_F(BloomGLTest, TheGlowCopyPicksTheTexelsOfTheDriversBlit)
{
    const std::string renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    if (renderer.rfind("llvmpipe", 0) != 0) {
        GTEST_SKIP() << "other drivers round their blits their own way";
    }
    const Shader copy("glowCopy", false, asset::shaderFolder);
    const VertexArrayName empty = createVertexArray();
    for (const glm::ivec2& size : {glm::ivec2(800, 800), glm::ivec2(801, 601), glm::ivec2(1920, 1080)}) {
        SCOPED_TRACE(std::to_string(size.x) + " x " + std::to_string(size.y));
        SceneTarget scene(size.x, size.y);
        const BlurTargets blur(size.x, size.y);
        std::vector<std::uint32_t> glow(static_cast<std::size_t>(size.x) * static_cast<std::size_t>(size.y));
        for (std::size_t i = 0; i < glow.size(); ++i) {
            glow[i] = static_cast<std::uint32_t>(i * 2654435761u) | 0xff000000u;
        }
        glBindTexture(GL_TEXTURE_2D, scene.glowTexture());
        glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, size.x, size.y, GL_RGBA, GL_UNSIGNED_BYTE, glow.data());
        glBindTexture(GL_TEXTURE_2D, 0);

        copyGlowToBlur(copy, empty.get(), scene.glowTexture(), blur.framebuffer(0), blur.halfWidth(),
                       blur.halfHeight());
        glBindFramebuffer(GL_READ_FRAMEBUFFER, scene.framebuffer());
        glReadBuffer(GL_COLOR_ATTACHMENT1);
        glBindFramebuffer(GL_DRAW_FRAMEBUFFER, blur.framebuffer(1));
        glBlitFramebuffer(0, 0, size.x, size.y, 0, 0, blur.halfWidth(), blur.halfHeight(), GL_COLOR_BUFFER_BIT,
                          GL_NEAREST);
        glBindFramebuffer(GL_FRAMEBUFFER, 0);

        const testing::Image drawn = readTexture(blur.colorTexture(0));
        const testing::Image blitted = readTexture(blur.colorTexture(1));
        ASSERT_EQ(drawn.pixels.size(), blitted.pixels.size());
        const auto differing = std::mismatch(drawn.pixels.begin(), drawn.pixels.end(), blitted.pixels.begin());
        EXPECT_EQ(differing.first, drawn.pixels.end())
            << "first different texel " << (differing.first - drawn.pixels.begin());
    }
}

TEST_F(BloomGLTest, TheBlurRunsAcrossThenDownAndEndsInTargetZero)
{
    Bloom bloom(64, 64);
    bloom.sceneTarget().bindForScene();
    // One white 2 x 2 glow spot, one texel after the half-size copy.
    const std::array<glm::u8vec4, 4> spot{glm::u8vec4(255), glm::u8vec4(255), glm::u8vec4(255), glm::u8vec4(255)};
    glBindTexture(GL_TEXTURE_2D, bloom.sceneTarget().glowTexture());
    glTexSubImage2D(GL_TEXTURE_2D, 0, 32, 32, 2, 2, GL_RGBA, GL_UNSIGNED_BYTE, spot.data());

    bloom.present({64, 64});

    // Framebuffer 1 holds the first, horizontal pass: spread along x only.
    const testing::Image across = readTexture(bloom.blurTargets().colorTexture(1));
    EXPECT_GT(across.at(18, 16).r, 0);
    EXPECT_EQ(across.at(16, 18).r, 0);
    // Framebuffer 0 holds the finished blur, spread both ways.
    const testing::Image finished = readTexture(bloom.blurTargets().colorTexture(0));
    EXPECT_GT(finished.at(16, 18).r, 0);
    EXPECT_GT(finished.at(18, 18).r, 0);
    EXPECT_LT(finished.at(16, 16).r, 255) << "the spot is spread, not copied";
    EXPECT_EQ(finished.at(16, 28).r, 0) << "the blur reaches a few texels only";
}

TEST_F(BloomGLTest, TheCompositeAddsTheGlowAndLetterboxesIntoTheWindowFramebuffer)
{
    // The test window's framebuffer is 64 x 64: a 2:1 image gets bars above
    // and below, a 1:2 image bars left and right.
    struct Case {
        glm::ivec2 size;
        glm::ivec4 expected;
    };
    for (const Case& c : {Case{{32, 16}, {0, 16, 64, 32}}, Case{{16, 32}, {16, 0, 32, 64}}}) {
        Bloom bloom(c.size.x, c.size.y);
        // The frame starts by clearing the window's buffers; the composite
        // is depth-tested against that cleared depth.
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glEnable(GL_DEPTH_TEST);
        bloom.sceneTarget().bindForScene();
        const glm::vec4 scene(0.2f, 0.4f, 0.2f, 1.0f);
        glClearBufferfv(GL_COLOR, 0, &scene.x);
        clearGlow(bloom.sceneTarget(), glm::vec4(0.4f, 0.0f, 0.0f, 1.0f));

        bloom.present({64, 64});

        EXPECT_EQ(integerState(GL_CURRENT_PROGRAM), 0);
        EXPECT_EQ(integerState(GL_VERTEX_ARRAY_BINDING), 0);
        EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
        const testing::Image window = readFramebuffer(0, GL_BACK, 64, 64);
        for (int y = 0; y < 64; y += 3) {
            for (int x = 0; x < 64; x += 3) {
                const bool inside = x >= c.expected.x && x < c.expected.x + c.expected.z && y >= c.expected.y &&
                                    y < c.expected.y + c.expected.w;
                const glm::u8vec4 pixel = window.at(x, y);
                if (inside) {
                    // Scene plus the blurred (still uniform) glow; a couple
                    // of steps of slack for the 8-bit rounding in each pass.
                    EXPECT_NEAR(pixel.r, 153, 2) << x << ", " << y;
                    EXPECT_NEAR(pixel.g, 102, 2) << x << ", " << y;
                } else {
                    EXPECT_EQ(pixel, glm::u8vec4(0, 0, 0, 255)) << x << ", " << y;
                }
            }
        }
    }
}

TEST_F(BloomGLTest, AScaledSceneIsStretchedOverTheWholeImageAndMadeAnewOnlyWhenItsSizeChanges)
{
    GraphicsSettings half;
    half.renderScale = 0.5f;
    Bloom bloom(64, 64, half);
    expectTexture(bloom.sceneTarget().colorTexture(), 32, 32, GL_RGBA8);
    EXPECT_EQ(bloom.blurTargets().halfWidth(), 16);

    // Left half dark, right half bright: the stretched image keeps both and
    // blends them only across the seam.
    bloom.sceneTarget().bindForScene();
    glEnable(GL_SCISSOR_TEST);
    glScissor(16, 0, 16, 32);
    const glm::vec4 bright(0.8f, 0.8f, 0.8f, 1.0f);
    glClearBufferfv(GL_COLOR, 0, &bright.x);
    glDisable(GL_SCISSOR_TEST);
    bloom.present({64, 64});
    const testing::Image window = readFramebuffer(0, GL_BACK, 64, 64);
    // The rims take their own edge's colour, not the opposite edge's.
    EXPECT_EQ(window.at(0, 30), glm::u8vec4(0, 0, 0, 255));
    EXPECT_EQ(window.at(63, 30), glm::u8vec4(204, 204, 204, 255));
    const int seam = window.at(32, 30).r;
    EXPECT_GT(seam, 0) << "filtered, not drawn in blocks";
    EXPECT_LT(seam, 204);

    const GLuint before = bloom.sceneTarget().framebuffer();
    bloom.setRenderScale(0.5f);
    EXPECT_EQ(bloom.sceneTarget().framebuffer(), before) << "the same size keeps its targets";
    bloom.setRenderScale(0.1f);
    EXPECT_EQ(bloom.renderScale(), smallestRenderScale);
    expectTexture(bloom.sceneTarget().colorTexture(), 16, 16, GL_RGBA8);
    bloom.setRenderScale(1.0f);
    expectTexture(bloom.sceneTarget().colorTexture(), 64, 64, GL_RGBA8);
    EXPECT_EQ(textureParameter(bloom.sceneTarget().colorTexture(), GL_TEXTURE_MAG_FILTER), GL_NEAREST)
        << "at the window's size each texel is its pixel";
    EXPECT_EQ(integerState(GL_FRAMEBUFFER_BINDING), 0);
}

TEST_F(BloomGLTest, WithoutBloomTheGlowOutputAddsNothing)
{
    GraphicsSettings noGlow;
    noGlow.bloom = false;
    Bloom bloom(64, 64, noGlow);
    bloom.sceneTarget().bindForScene();
    glBindFramebuffer(GL_FRAMEBUFFER, bloom.sceneTarget().framebuffer());
    EXPECT_EQ(integerState(GL_DRAW_BUFFER1), GL_NONE) << "the glow is not kept";
    const glm::vec4 scene(0.2f, 0.4f, 0.2f, 1.0f);
    glClearBufferfv(GL_COLOR, 0, &scene.x);
    // Whatever reached the glow texture anyway stays out of the picture.
    const std::vector<glm::u8vec4> red(64 * 64, glm::u8vec4(102, 0, 0, 255));
    glBindTexture(GL_TEXTURE_2D, bloom.sceneTarget().glowTexture());
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 64, 64, GL_RGBA, GL_UNSIGNED_BYTE, red.data());

    bloom.present({64, 64});

    EXPECT_EQ(readFramebuffer(0, GL_BACK, 64, 64).at(30, 30), glm::u8vec4(51, 102, 51, 255));
}

std::vector<GLuint> sceneTargetNames(const Bloom& bloom)
{
    return {bloom.sceneTarget().framebuffer(), bloom.sceneTarget().colorTexture(), bloom.sceneTarget().glowTexture(),
            bloom.sceneTarget().depthTexture(), bloom.blurTargets().framebuffer(0)};
}

TEST_F(BloomGLTest, BloomTurnedOffAndOnDuringPlayKeepsTheScaleAndReleasesTheOldTargets)
{
    GraphicsSettings half;
    half.renderScale = 0.5f;
    Bloom bloom(64, 64, half);
    const std::vector<GLuint> before = sceneTargetNames(bloom);
    bloom.setGlow(false);
    expectTexture(bloom.sceneTarget().colorTexture(), 32, 32, GL_RGBA8);
    glBindFramebuffer(GL_FRAMEBUFFER, bloom.sceneTarget().framebuffer());
    EXPECT_EQ(integerState(GL_DRAW_BUFFER1), GL_NONE) << "the glow is not kept";
    const std::vector<GLuint> after = sceneTargetNames(bloom);
    for (GLuint name : before) {
        // A freed name may come back for one of the new targets.
        if (std::find(after.begin(), after.end(), name) == after.end()) {
            EXPECT_FALSE(glIsFramebuffer(name) || glIsTexture(name)) << name;
        }
    }

    const auto drawn = [&bloom] {
        bloom.sceneTarget().bindForScene();
        const glm::vec4 scene(0.2f, 0.4f, 0.2f, 1.0f);
        glClearBufferfv(GL_COLOR, 0, &scene.x);
        clearGlow(bloom.sceneTarget(), glm::vec4(0.4f, 0.0f, 0.0f, 1.0f));
        bloom.present({64, 64});
        return readFramebuffer(0, GL_BACK, 64, 64).at(30, 30);
    };
    EXPECT_EQ(drawn(), glm::u8vec4(51, 102, 51, 255));
    bloom.setGlow(true);
    EXPECT_GT(drawn().r, 51 + 20) << "the glow is added again";
    EXPECT_EQ(bloom.renderScale(), 0.5f);
}

TEST_F(BloomGLTest, DeletesEveryObjectItCreatedAtExit)
{
    std::vector<GLuint> framebuffers;
    std::vector<GLuint> textures;
    GLuint vertexArray = 0;
    {
        Bloom bloom(16, 16);
        bloom.present({64, 64});
        framebuffers = {bloom.sceneTarget().framebuffer(), bloom.blurTargets().framebuffer(0),
                        bloom.blurTargets().framebuffer(1)};
        textures = {bloom.sceneTarget().colorTexture(), bloom.sceneTarget().glowTexture(),
                    bloom.sceneTarget().depthTexture()};
        for (int k = 0; k < 2; ++k) {
            textures.push_back(bloom.blurTargets().colorTexture(k));
            textures.push_back(bloom.blurTargets().depthTexture(k));
        }
        vertexArray = bloom.fullscreenVertexArray();
        ASSERT_TRUE(glIsVertexArray(vertexArray));
    }
    for (GLuint framebuffer : framebuffers) {
        EXPECT_FALSE(glIsFramebuffer(framebuffer));
    }
    for (GLuint texture : textures) {
        EXPECT_FALSE(glIsTexture(texture));
    }
    EXPECT_FALSE(glIsVertexArray(vertexArray));
}

} // namespace
} // namespace tavernrush
