// The shadow map with the game's "sm_depth" and "sm" programs: the target's
// format, the depth pass recording the figure wherever it stands, and the
// ground darkened under the figure but lit beyond the map.

#include "game/AssetTable.h"
#include "passes/SceneTarget.h"
#include "passes/ShadowMap.h"
#include "render/Geometry.h"
#include "render/Shapes.h"

#include "passes/PassTestSupport.h"
#include "support/GlTestContext.h"

#include <glm/gtc/matrix_transform.hpp>
#include <gtest/gtest.h>

#include <vector>

namespace tavernrush {
namespace {

using testing::integerState;
using testing::textureLevelParameter;
using testing::textureParameter;

const glm::vec3 sunDirection = glm::normalize(glm::vec3(0.0f, -1.0f, 1.0f));

class ShadowMapGLTest : public testing::GlTest {
protected:
    // A 4 x 4 x 4 block standing on the ground stands in for the figure:
    // big enough for its shadow to cover several pixels of the probe image.
    Geometry makeCaster(ShaderPtr shader)
    {
        return Geometry(glm::mat4(1.0f), createBox(4.0f, 4.0f, 4.0f), testing::flatMaterial(shader, glm::vec3(1)));
    }

    void renderDepth(const ShadowMap& map, Shader& depthShader, const LightSpace& light, Geometry& caster,
                     const glm::vec3& feet)
    {
        glEnable(GL_DEPTH_TEST);
        const glm::mat4 model = glm::translate(glm::mat4(1.0f), feet + glm::vec3(0, 2, 0));
        renderShadowDepth(map, depthShader, light, model, [&] {
            glBindVertexArray(caster.vertexArray());
            glDrawElements(GL_TRIANGLES, caster.elementCount(), GL_UNSIGNED_INT, nullptr);
            glBindVertexArray(0);
        });
    }
};

std::vector<float> readDepth(const ShadowMap& map)
{
    std::vector<float> depth(static_cast<std::size_t>(map.size() * map.size()));
    glBindTexture(GL_TEXTURE_2D, map.depthTexture());
    glGetTexImage(GL_TEXTURE_2D, 0, GL_DEPTH_COMPONENT, GL_FLOAT, depth.data());
    glBindTexture(GL_TEXTURE_2D, 0);
    return depth;
}

TEST_F(ShadowMapGLTest, IsAComplete1024DepthTargetThatReadsFarOutsideItsEdges)
{
    ::testing::internal::CaptureStdout();
    const ShadowMap map;
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");

    EXPECT_EQ(textureLevelParameter(map.depthTexture(), GL_TEXTURE_WIDTH), 1024);
    EXPECT_EQ(textureLevelParameter(map.depthTexture(), GL_TEXTURE_HEIGHT), 1024);
    EXPECT_EQ(textureLevelParameter(map.depthTexture(), GL_TEXTURE_INTERNAL_FORMAT), GL_DEPTH_COMPONENT24);
    EXPECT_EQ(textureParameter(map.depthTexture(), GL_TEXTURE_MIN_FILTER), GL_NEAREST);
    EXPECT_EQ(textureParameter(map.depthTexture(), GL_TEXTURE_MAG_FILTER), GL_NEAREST);
    EXPECT_EQ(textureParameter(map.depthTexture(), GL_TEXTURE_WRAP_S), GL_CLAMP_TO_BORDER);
    EXPECT_EQ(textureParameter(map.depthTexture(), GL_TEXTURE_WRAP_T), GL_CLAMP_TO_BORDER);
    glm::vec4 border(0.0f);
    glBindTexture(GL_TEXTURE_2D, map.depthTexture());
    glGetTexParameterfv(GL_TEXTURE_2D, GL_TEXTURE_BORDER_COLOR, &border.x);
    EXPECT_EQ(border.r, 1.0f);
    EXPECT_EQ(integerState(GL_FRAMEBUFFER_BINDING), 0);
    EXPECT_EQ(testing::framebufferStatus(map.framebuffer()), static_cast<GLenum>(GL_FRAMEBUFFER_COMPLETE));
    glBindFramebuffer(GL_FRAMEBUFFER, map.framebuffer());
    EXPECT_EQ(integerState(GL_DRAW_BUFFER), GL_NONE);
}

TEST_F(ShadowMapGLTest, TheDepthPassRecordsTheFigureWhereverItStandsAtTheMapsOwnSize)
{
    // shadow_size's smallest: the pass covers this map, not the default's 1024.
    const ShadowMap map(512);
    const ShaderPtr depthShader = makeShader(asset::row(AssetId::ShadowDepthProgram).path);
    Geometry caster = makeCaster(depthShader);
    // The start position, where a light fixed on the origin saw nothing,
    // and a far corner of the ground.
    for (const glm::vec3& feet : {glm::vec3(0, 0, 20), glm::vec3(180, 0, -150)}) {
        const LightSpace light = lightSpaceFor(sunDirection, feet);
        glViewport(0, 0, 7, 7); // the pass sets its own
        renderDepth(map, *depthShader, light, caster, feet);

        EXPECT_EQ(integerState(GL_FRAMEBUFFER_BINDING), 0);
        GLint viewport[4] = {};
        glGetIntegerv(GL_VIEWPORT, viewport);
        EXPECT_EQ(viewport[2], 512);
        EXPECT_EQ(viewport[3], 512);
        const std::vector<float> depth = readDepth(map);
        const std::size_t centre = static_cast<std::size_t>(256 * 512 + 256);
        EXPECT_LT(depth[centre], 0.9f) << "the figure is in the map";
        EXPECT_GT(depth[centre], 0.0f) << "and not clipped by the near plane";
        EXPECT_EQ(depth[0], 1.0f) << "cleared elsewhere";
    }
}

TEST_F(ShadowMapGLTest, TheFigureShadowsTheGroundBesideItAndNothingBeyondTheMap)
{
    const ShadowMap map;
    const ShaderPtr depthShader = makeShader(asset::row(AssetId::ShadowDepthProgram).path);
    const ShaderPtr shadowShader = makeShader(asset::row(AssetId::ShadowProgram).path);
    Geometry caster = makeCaster(depthShader);
    // Plain grey ground.
    Geometry ground(glm::mat4(1.0f), createPlane(500.0f, 500.0f), testing::flatMaterial(shadowShader, glm::vec3(1)));
    testing::fillTexture(*ground.material()->texture(), glm::u8vec4(180, 180, 180, 255));
    SceneTarget target(128, 128);

    for (const glm::vec3& feet : {glm::vec3(0, 0, 20), glm::vec3(180, 0, -150)}) {
        const LightSpace light = lightSpaceFor(sunDirection, feet);
        renderDepth(map, *depthShader, light, caster, feet);

        // Looking straight down at the figure's place, 80 x 80 units,
        // world +x to the right and world +z down the image.
        const glm::mat4 view = glm::lookAt(feet + glm::vec3(0, 50, 0), feet, glm::vec3(0, 0, -1));
        const glm::mat4 projection = glm::ortho(-40.0f, 40.0f, -40.0f, 40.0f, 0.1f, 200.0f);
        target.bindForScene();
        setShadowReceiverUniforms(*shadowShader, projection, view, feet + glm::vec3(0, 50, 0), light);
        shadowShader->setUniform("model", ground.getModelMatrix());
        ground.drawWithShadowMap(map.depthTexture());
        EXPECT_EQ(integerState(GL_ACTIVE_TEXTURE), GL_TEXTURE1);

        const testing::Image image =
            testing::readFramebuffer(target.framebuffer(), GL_COLOR_ATTACHMENT0, target.width(), target.height());
        // 1.6 pixels per unit around the image centre (64, 64).
        const auto groundAt = [&](float dx, float dz) {
            return image.at(64 + static_cast<int>(dx * 1.6f), 64 - static_cast<int>(dz * 1.6f));
        };
        // The light falls towards +z: the shadow lies on the figure's +z side.
        const glm::u8vec4 shadowed = groundAt(0.0f, 4.0f);
        const glm::u8vec4 litBehind = groundAt(0.0f, -10.0f);
        const glm::u8vec4 litBeside = groundAt(12.0f, 4.0f);
        // Beyond the 30 units the map reaches sideways.
        const glm::u8vec4 beyondMap = groundAt(36.0f, 4.0f);
        EXPECT_LT(shadowed.r + 40, litBehind.r) << "feet (" << feet.x << ", " << feet.z << ")";
        EXPECT_NEAR(litBeside.r, litBehind.r, 6);
        // Lit like the ground inside the map: no shadow from repeated texels.
        EXPECT_NEAR(beyondMap.r, litBeside.r, 6);
    }
}

} // namespace
} // namespace tavernrush
