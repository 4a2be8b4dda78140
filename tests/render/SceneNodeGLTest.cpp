// Scene nodes orbit the world's vertical axis by their own speeds, keep
// their shape over any length of play, and draw themselves and their
// children with their own matrices.

#include "render/SceneNode.h"

#include "passes/PassTestSupport.h"
#include "render/GeometryData.h"
#include "support/GlTestContext.h"

#include <glm/gtc/matrix_transform.hpp>
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace tavernrush {
namespace {

class SceneNodeGLTest : public testing::GlTest {
protected:
    void SetUp() override
    {
        GlTest::SetUp();
        shader = testing::makeFlatShader();
    }

    SceneNode makeNode(float spinSpeed, float z)
    {
        Geometry sphere(glm::translate(glm::mat4(1.0f), glm::vec3(0.0f, 10.0f, z)), createSphere(8, 0.5f, 4),
                              testing::flatMaterial(shader, glm::vec3(1.0f)));
        return SceneNode(spinSpeed, std::move(sphere));
    }

    ShaderPtr shader;
};

glm::vec3 positionOf(const SceneNode& node) { return glm::vec3(node.getModelMatrix()[3]); }

void expectNear(const glm::vec3& actual, const glm::vec3& expected, float tolerance)
{
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

TEST_F(SceneNodeGLTest, EachNodeOrbitsByItsOwnSpeedWhateverItsParentDoes)
{
    SceneNode root = makeNode(0.5f, 0.0f);
    SceneNode middle = makeNode(-1.0f, 3.5f);
    SceneNode leaf = makeNode(1.5f, 2.0f);
    root.addChild(&middle);
    middle.addChild(&leaf);

    // Uneven frame times, summed in double as the reference.
    double total = 0.0;
    for (int frame = 0; frame < 500; ++frame) {
        const float dt = 0.004f + 0.003f * static_cast<float>(frame % 7);
        root.update(glm::mat4(1.0f), dt);
        total += dt;
    }
    const auto orbit = [&](float speed, float z) {
        const double a = speed * total;
        return glm::vec3(static_cast<float>(z * std::sin(a)), 10.0f, static_cast<float>(z * std::cos(a)));
    };
    expectNear(positionOf(root), orbit(0.5f, 0.0f), 1e-4f);
    expectNear(positionOf(middle), orbit(-1.0f, 3.5f), 1e-4f);
    expectNear(positionOf(leaf), orbit(1.5f, 2.0f), 1e-4f);
    EXPECT_FLOAT_EQ(leaf.angle(), 1.5f * (0.004f + 0.003f * 2.0f)) << "the last frame's turn";
    // Each child records the accumulated transform it was updated with.
    EXPECT_EQ(leaf.parentMatrix(), middle.parentMatrix() * middle.getModelMatrix());
}

TEST_F(SceneNodeGLTest, AZeroStepChangesOnlyTheParentMatrix)
{
    SceneNode node = makeNode(1.5f, 2.0f);
    node.update(glm::mat4(1.0f), 0.25f);
    const glm::mat4 before = node.getModelMatrix();
    const glm::mat4 parent = glm::translate(glm::mat4(1.0f), glm::vec3(1, 2, 3));

    node.update(parent, 0.0f);

    EXPECT_EQ(node.getModelMatrix(), before);
    EXPECT_EQ(node.parentMatrix(), parent);
    EXPECT_EQ(node.angle(), 0.0f);
}

TEST_F(SceneNodeGLTest, HoursOfPlayKeepTheSpheresSizeAndOrbit)
{
    SceneNode node = makeNode(-1.0f, 3.5f);
    // Four hours at 60 frames per second.
    const int frames = 4 * 3600 * 60;
    const float dt = 1.0f / 60.0f;
    for (int frame = 0; frame < frames; ++frame) {
        node.update(glm::mat4(1.0f), dt);
    }
    const glm::mat3 turn(node.getModelMatrix());
    EXPECT_NEAR(glm::determinant(turn), 1.0f, 1e-5f) << "no growth or shrinking";
    EXPECT_NEAR(glm::length(turn[0]), 1.0f, 1e-6f);
    const glm::vec3 position = positionOf(node);
    EXPECT_NEAR(std::hypot(position.x, position.z), 3.5f, 1e-5f);
    EXPECT_NEAR(position.y, 10.0f, 1e-5f);
    EXPECT_GE(node.totalAngle(), 0.0f);
    EXPECT_LE(node.totalAngle(), 2.0f * std::numbers::pi_v<float>);
    // Where the orbit formula puts it after exactly that much time.
    const double a = -static_cast<double>(dt) * frames;
    EXPECT_NEAR(position.x, 3.5 * std::sin(a), 1e-3);
    EXPECT_NEAR(position.z, 3.5 * std::cos(a), 1e-3);
}

TEST_F(SceneNodeGLTest, DrawsItselfOnceThenEachChildAtItsOwnPlace)
{
    SceneNode parent = makeNode(0.0f, 0.0f);
    SceneNode child = makeNode(std::numbers::pi_v<float> / 2.0f, 3.0f);
    const GLuint sphereTriangles = static_cast<GLuint>(parent.elementCount() / 3);
    EXPECT_EQ(testing::trianglesDrawnBy([&] { child.draw(); }), sphereTriangles) << "no children: one draw";

    parent.addChild(&child);
    parent.update(glm::mat4(1.0f), 1.0f); // the child turns a quarter to (3, 10, 0)
    child.material()->diffuseColor = glm::vec3(0.0f, 1.0f, 0.0f);
    // Looking straight down on 10 x 10 units around the axis.
    shader->use();
    shader->setUniform("viewProjMatrix", glm::ortho(-5.0f, 5.0f, -5.0f, 5.0f, 0.1f, 100.0f) *
                                             glm::lookAt(glm::vec3(0, 50, 0), glm::vec3(0), glm::vec3(0, 0, -1)));
    GLuint framebuffer = 0;
    GLuint texture = 0;
    glGenFramebuffers(1, &framebuffer);
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, 20, 20, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture, 0);
    glViewport(0, 0, 20, 20);
    glClear(GL_COLOR_BUFFER_BIT);

    EXPECT_EQ(testing::trianglesDrawnBy([&] { parent.draw(); }), 2 * sphereTriangles);

    const testing::Image image = testing::readFramebuffer(framebuffer, GL_COLOR_ATTACHMENT0, 20, 20);
    EXPECT_EQ(image.at(10, 10), glm::u8vec4(255, 255, 255, 255)) << "the parent at the axis";
    EXPECT_EQ(image.at(16, 10), glm::u8vec4(0, 255, 0, 255)) << "the child, turned to +x";
    EXPECT_EQ(image.at(10, 4), glm::u8vec4(0, 0, 0, 0)) << "not where it was built";
    glDeleteFramebuffers(1, &framebuffer);
    glDeleteTextures(1, &texture);
}

} // namespace
} // namespace tavernrush
