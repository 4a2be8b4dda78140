// The sky box drawn with the game's "skyShader" into a scene target: it
// fills the background from the right face, ignores camera movement, stays
// behind later draws and leaves the depth function and bindings clean.

#include "render/Skybox.h"

#include "game/AssetTable.h"
#include "passes/PassTestSupport.h"
#include "passes/SceneTarget.h"
#include "render/Geometry.h"
#include "render/Shapes.h"
#include "support/GlTestContext.h"

#include <glm/gtc/matrix_transform.hpp>
#include <gtest/gtest.h>

#include <array>

namespace tavernrush {
namespace {

using testing::integerState;

// The game's sky, as the level builds it.
CubeMap gameSky()
{
    const auto& faces = asset::cubeFaceFiles;
    return CubeMap(std::string(asset::row(AssetId::SkyCubeMap).path) + "/", faces[0], faces[1], faces[2], faces[3],
                   faces[4], faces[5]);
}

// One solid colour per face, in +X, -X, +Y, -Y, +Z, -Z order.
constexpr std::array<glm::u8vec4, 6> faceColors{
    glm::u8vec4(255, 0, 0, 255), glm::u8vec4(0, 255, 0, 255),   glm::u8vec4(0, 0, 255, 255),
    glm::u8vec4(255, 255, 0, 255), glm::u8vec4(0, 255, 255, 255), glm::u8vec4(255, 0, 255, 255)};

class SkyboxGLTest : public testing::GlTest {
protected:
    void SetUp() override
    {
        GlTest::SetUp();
        skybox = std::make_unique<Skybox>(gameSky());
        skyShader = makeShader(asset::row(AssetId::SkyProgram).path);
        target = std::make_unique<SceneTarget>(32, 32);
        // Known faces instead of the pictures, so each direction has a colour.
        glBindTexture(GL_TEXTURE_CUBE_MAP, skybox->cubeMap().handle());
        for (GLenum face = 0; face < 6; ++face) {
            glTexImage2D(GL_TEXTURE_CUBE_MAP_POSITIVE_X + face, 0, GL_RGBA8, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                         &faceColors[face].x);
        }
        glBindTexture(GL_TEXTURE_CUBE_MAP, 0);
        glEnable(GL_DEPTH_TEST);
    }

    testing::Image drawSkyWith(const glm::mat4& view)
    {
        target->bindForScene();
        drawSky(*skybox, *skyShader, view, projection);
        return testing::readFramebuffer(target->framebuffer(), GL_COLOR_ATTACHMENT0, 32, 32);
    }

    const glm::mat4 projection = glm::perspective(glm::radians(60.0f), 1.0f, 0.1f, 100.0f);
    std::unique_ptr<Skybox> skybox;
    ShaderPtr skyShader;
    std::unique_ptr<SceneTarget> target;
};

TEST_F(SkyboxGLTest, ShowsTheFaceTheCameraLooksAtWhereverTheCameraStands)
{
    const testing::Image ahead = drawSkyWith(glm::lookAt(glm::vec3(0), glm::vec3(0, 0, -1), glm::vec3(0, 1, 0)));
    const testing::Image right = drawSkyWith(glm::lookAt(glm::vec3(0), glm::vec3(1, 0, 0), glm::vec3(0, 1, 0)));
    const testing::Image moved =
        drawSkyWith(glm::lookAt(glm::vec3(40, -7, 300), glm::vec3(40, -7, 299), glm::vec3(0, 1, 0)));

    EXPECT_EQ(ahead.at(16, 16), faceColors[5]);
    EXPECT_EQ(right.at(16, 16), faceColors[0]);
    // The sky covers the whole view at the far plane (cleared to depth 1,
    // so only GL_LEQUAL lets it through).
    for (int i = 0; i < 32 * 32; ++i) {
        EXPECT_EQ(ahead.pixels[static_cast<std::size_t>(i)], faceColors[5]);
        // Moving without turning leaves the sky unchanged.
        EXPECT_EQ(moved.pixels[static_cast<std::size_t>(i)], ahead.pixels[static_cast<std::size_t>(i)]);
    }
}

TEST_F(SkyboxGLTest, LeavesGlLessAndNothingBoundAndStaysBehindLaterDraws)
{
    glDepthFunc(GL_GREATER);
    glActiveTexture(GL_TEXTURE3);
    const glm::mat4 view(1.0f);
    drawSkyWith(view);

    EXPECT_EQ(integerState(GL_DEPTH_FUNC), GL_LESS);
    EXPECT_EQ(integerState(GL_VERTEX_ARRAY_BINDING), 0);
    EXPECT_EQ(integerState(GL_ACTIVE_TEXTURE), GL_TEXTURE0);
    EXPECT_EQ(integerState(GL_TEXTURE_BINDING_CUBE_MAP), 0);

    // A wall far away, drawn after the sky with GL_LESS, still covers it.
    const ShaderPtr flat = testing::makeFlatShader();
    Geometry wall(glm::mat4(1.0f), createBox(500, 500, 1), testing::flatMaterial(flat, glm::vec3(1, 1, 1)));
    wall.setDrawMatrix(glm::translate(glm::mat4(1.0f), glm::vec3(0, 0, -90)));
    flat->use();
    flat->setUniform("viewProjMatrix", projection * view);
    wall.draw();
    const testing::Image image = testing::readFramebuffer(target->framebuffer(), GL_COLOR_ATTACHMENT0, 32, 32);
    EXPECT_EQ(image.at(16, 16), glm::u8vec4(255, 255, 255, 255));
}

} // namespace
} // namespace tavernrush
