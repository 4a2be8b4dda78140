// The camera and light uniforms of the lit programs, read back after
// setLightUniforms with the level's two lights.

#include "render/Lights.h"

#include "GlReadback.h"
#include "TestPrograms.h"
#include "support/GlTestContext.h"

#include <gtest/gtest.h>

#include <glm/gtc/matrix_transform.hpp>

#include <memory>

namespace tavernrush {
namespace {

using testing::ScratchDirectory;

class LightsGLTest : public testing::GlTest {
protected:
    void SetUp() override
    {
        GlTest::SetUp();
        testing::writeLitProgram(directory, "lit");
        testing::writeLitProgram(directory, "litTwin");
        shader = std::make_unique<Shader>("lit", false, directory.prefix());
        camera.cameraWorld = glm::vec3(3, 12, 40);
        camera.viewProjection = glm::perspective(0.8f, 1.0f, 0.1f, 500.0f) *
                                glm::lookAt(camera.cameraWorld, glm::vec3(0, 0, 20), glm::vec3(0, 1, 0));
    }

    void expectLevelLighting(GLuint program) const
    {
        EXPECT_EQ(testing::uniformVec3(program, "camera_world"), camera.cameraWorld);
        EXPECT_EQ(testing::uniformMat4(program, "viewProjMatrix"), camera.viewProjection);
        EXPECT_EQ(testing::uniformVec3(program, "dirL.color"), glm::vec3(0.8f, 0.8f, 0.8f));
        EXPECT_EQ(testing::uniformVec3(program, "dirL.direction"), glm::vec3(0.0f, -0.70710677f, 0.70710677f));
        EXPECT_EQ(testing::uniformVec3(program, "pointL.color"), glm::vec3(0, 1, 0));
        EXPECT_EQ(testing::uniformVec3(program, "pointL.position"), glm::vec3(-9.0f, 1.5f, -5.4f));
        EXPECT_EQ(testing::uniformVec3(program, "pointL.attenuation"), glm::vec3(0.7f, 0.4f, 0.7f));
    }

    ScratchDirectory directory;
    std::unique_ptr<Shader> shader;
    CameraUniforms camera;
    const SceneLights lights = makeSceneLights();
};

TEST_F(LightsGLTest, UploadsCameraAndBothLightsOfTheLevel)
{
    shader->use();
    setLightUniforms(*shader, camera, lights);
    expectLevelLighting(shader->programName());
    EXPECT_EQ(testing::currentProgram(), static_cast<GLint>(shader->programName()));
}

TEST_F(LightsGLTest, NeverSelectsAProgramItself)
{
    const Shader twin("litTwin", false, directory.prefix());
    ASSERT_EQ(glGetUniformLocation(twin.programName(), "pointL.position"),
              glGetUniformLocation(shader->programName(), "pointL.position"));
    twin.use();
    setLightUniforms(*shader, camera, lights);

    EXPECT_EQ(testing::currentProgram(), static_cast<GLint>(twin.programName()));
    EXPECT_EQ(testing::uniformVec3(twin.programName(), "pointL.position"), glm::vec3(-9.0f, 1.5f, -5.4f));
    EXPECT_EQ(testing::uniformVec3(shader->programName(), "pointL.position"), glm::vec3(0));
}

} // namespace
} // namespace tavernrush
