// Geometry on the GPU: the vertex array it builds, the order in which
// transforms combine, and the uniforms and bindings each draw leaves behind.

#include "render/Geometry.h"

#include "GlReadback.h"
#include "TestPrograms.h"
#include "support/GlTestContext.h"

#include <gtest/gtest.h>

#include <glm/gtc/matrix_transform.hpp>

#include <memory>

namespace tavernrush {
namespace {

using testing::ScratchDirectory;

GLint vertexArrayAttribute(GLuint vao, GLuint attribute, GLenum parameter)
{
    GLint value = -1;
    glGetVertexArrayIndexediv(vao, attribute, parameter, &value);
    return value;
}

GLint bufferSize(GLuint buffer)
{
    GLint size = -1;
    glGetNamedBufferParameteriv(buffer, GL_BUFFER_SIZE, &size);
    return size;
}

class GeometryGLTest : public testing::GlTest {
protected:
    void SetUp() override
    {
        GlTest::SetUp();
        testing::writeLitProgram(directory, "lit");
        testing::writeLitProgram(directory, "litTwin");
        shader = std::make_shared<Shader>("lit", false, directory.prefix());
        material = makeMaterial(shader, glm::vec3(1, 0, 0), glm::vec3(0.8f, 0.7f, 0.1f), 2.0f,
                                directory.writePng("surface.png", testing::distinctPixels(2, 2)));
    }

    ScratchDirectory directory;
    ShaderPtr shader;
    MaterialPtr material;
};

const glm::mat4 identity(1.0f);

TEST_F(GeometryGLTest, VertexArrayKeepsItsBuffersAndAttributeLayout)
{
    const GeometryData box = createBox(1, 2, 3);
    const Geometry geometry(identity, box, material);
    const GLuint vao = geometry.vertexArray();

    EXPECT_EQ(geometry.elementCount(), 36);
    EXPECT_EQ(testing::integerState(GL_VERTEX_ARRAY_BINDING), 0);

    GLint elementBuffer = 0;
    glGetVertexArrayiv(vao, GL_ELEMENT_ARRAY_BUFFER_BINDING, &elementBuffer);
    ASSERT_NE(elementBuffer, 0) << "the element buffer was unbound while the vertex array was still bound";
    EXPECT_EQ(bufferSize(static_cast<GLuint>(elementBuffer)), 36 * 4);

    const struct {
        GLuint location;
        GLint components;
        GLint bytes;
    } attributes[] = {{0, 3, 24 * 12}, {1, 3, 24 * 12}, {2, 2, 24 * 8}};
    for (const auto& attribute : attributes) {
        SCOPED_TRACE(attribute.location);
        EXPECT_EQ(vertexArrayAttribute(vao, attribute.location, GL_VERTEX_ATTRIB_ARRAY_ENABLED), GL_TRUE);
        EXPECT_EQ(vertexArrayAttribute(vao, attribute.location, GL_VERTEX_ATTRIB_ARRAY_SIZE), attribute.components);
        EXPECT_EQ(vertexArrayAttribute(vao, attribute.location, GL_VERTEX_ATTRIB_ARRAY_TYPE), GL_FLOAT);
        const GLint buffer = vertexArrayAttribute(vao, attribute.location, GL_VERTEX_ATTRIB_ARRAY_BUFFER_BINDING);
        ASSERT_NE(buffer, 0);
        EXPECT_EQ(bufferSize(static_cast<GLuint>(buffer)), attribute.bytes);
    }
}

TEST_F(GeometryGLTest, TransformAppliesAfterTheCurrentTransform)
{
    const glm::mat4 start = glm::scale(identity, glm::vec3(2, 3, 4));
    const glm::mat4 t = glm::translate(identity, glm::vec3(5, 0, -1));
    const glm::mat4 r = glm::rotate(identity, 0.5f, glm::vec3(0, 1, 0));
    Geometry geometry(start, createPlane(1, 1), material);

    geometry.transform(t);
    geometry.transform(r);

    EXPECT_EQ(geometry.getModelMatrix(), r * t * start);
    EXPECT_NE(geometry.getModelMatrix(), t * r * start);
    EXPECT_EQ(geometry.constructionMatrix(), start) << "the construction matrix is a copy, not a view";
}

TEST_F(GeometryGLTest, NormalMatrixIsThePlainUpperLeftOfTheModelMatrix)
{
    Geometry geometry(identity, createPlane(1, 1), material);
    const glm::mat4 scaled = glm::translate(glm::scale(identity, glm::vec3(2, 3, 4)), glm::vec3(1, 1, 1));
    geometry.setModelMatrix(scaled);
    EXPECT_EQ(geometry.getModelMatrix(), scaled);
    EXPECT_EQ(geometry.getNormalMatrix(),
              glm::mat3(glm::vec3(2, 0, 0), glm::vec3(0, 3, 0), glm::vec3(0, 0, 4)));
}

TEST_F(GeometryGLTest, DrawSendsTheDrawMatrixAndTheNormalMatrixOfTheModel)
{
    Geometry geometry(identity, createCylinder(1.5f, 0.4f), material);
    const glm::mat4 placement = glm::translate(identity, glm::vec3(-3, 0.75f, 8)) *
                                glm::rotate(identity, 1.0f, glm::vec3(0, 1, 0));
    geometry.setDrawMatrix(placement);
    glUseProgram(0);

    geometry.draw();

    const GLuint program = shader->programName();
    EXPECT_EQ(testing::currentProgram(), static_cast<GLint>(program));
    EXPECT_EQ(testing::uniformMat4(program, "modelMatrix"), placement);
    EXPECT_EQ(testing::uniformMat3(program, "normalMatrix"), glm::mat3(1.0f));
    EXPECT_EQ(testing::uniformVec3(program, "diffuseColor"), glm::vec3(1, 0, 0));
    EXPECT_EQ(testing::uniformVec3(program, "materialCoefficients"), glm::vec3(0.8f, 0.7f, 0.1f));
    EXPECT_EQ(testing::uniformFloat(program, "specularAlpha"), 2.0f);
    EXPECT_EQ(testing::integerState(GL_ACTIVE_TEXTURE), GL_TEXTURE0);
    EXPECT_EQ(testing::integerState(GL_TEXTURE_BINDING_2D), 0);
    EXPECT_EQ(testing::integerState(GL_VERTEX_ARRAY_BINDING), 0);
}

TEST_F(GeometryGLTest, DrawTurnsNormalsWithTheInverseTransposeOfAScaledModel)
{
    Geometry geometry(glm::scale(identity, glm::vec3(2, 4, 8)), createSphere(8, 1, 4), material);
    geometry.draw();
    const glm::mat3 normalMatrix = testing::uniformMat3(shader->programName(), "normalMatrix");
    EXPECT_FLOAT_EQ(normalMatrix[0][0], 0.5f);
    EXPECT_FLOAT_EQ(normalMatrix[1][1], 0.25f);
    EXPECT_FLOAT_EQ(normalMatrix[2][2], 0.125f);
    EXPECT_EQ(testing::uniformMat4(shader->programName(), "modelMatrix"), identity)
        << "the draw matrix is sent, not the model matrix";
}

TEST_F(GeometryGLTest, DrawQuadUsesTheCallersProgramAndLeavesTheTextureBound)
{
    const Shader twin("litTwin", false, directory.prefix());
    ASSERT_EQ(glGetUniformLocation(twin.programName(), "diffuseColor"),
              glGetUniformLocation(shader->programName(), "diffuseColor"));
    Geometry board(identity, createPlane(5, 3), material);
    twin.use();

    board.drawQuad(6);

    EXPECT_EQ(testing::currentProgram(), static_cast<GLint>(twin.programName()));
    EXPECT_EQ(testing::uniformVec3(twin.programName(), "diffuseColor"), glm::vec3(1, 0, 0));
    EXPECT_EQ(testing::integerState(GL_TEXTURE_BINDING_2D), static_cast<GLint>(material->texture()->handle()));
    EXPECT_EQ(testing::integerState(GL_VERTEX_ARRAY_BINDING), 0);
}

TEST_F(GeometryGLTest, ShadowDrawLeavesUnitOneActiveAndEmpty)
{
    Geometry ground(identity, createPlane(500, 500), material);
    const TexturePtr depth = makeTexture(directory.writePng("depth.png", testing::distinctPixels(2, 2)));
    shader->use();

    ground.drawWithShadowMap(depth->handle());

    EXPECT_EQ(testing::integerState(GL_ACTIVE_TEXTURE), GL_TEXTURE1);
    EXPECT_EQ(testing::integerState(GL_TEXTURE_BINDING_2D), 0);
    glActiveTexture(GL_TEXTURE0);
    EXPECT_EQ(testing::integerState(GL_TEXTURE_BINDING_2D), static_cast<GLint>(material->texture()->handle()));
}

TEST_F(GeometryGLTest, EmptyDataDrawsNothingAndRaisesNoError)
{
    Geometry empty(identity, GeometryData{}, material);
    EXPECT_EQ(empty.elementCount(), 0);
    empty.draw();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(GeometryGLTest, DestructionDeletesTheVertexArrayAndBuffers)
{
    GLuint vao = 0;
    GLint elementBuffer = 0;
    {
        const Geometry geometry(identity, createBox(1, 1, 1), material);
        vao = geometry.vertexArray();
        glGetVertexArrayiv(vao, GL_ELEMENT_ARRAY_BUFFER_BINDING, &elementBuffer);
        ASSERT_TRUE(glIsVertexArray(vao));
        ASSERT_TRUE(glIsBuffer(static_cast<GLuint>(elementBuffer)));
    }
    EXPECT_FALSE(glIsVertexArray(vao));
    EXPECT_FALSE(glIsBuffer(static_cast<GLuint>(elementBuffer)));
}

} // namespace
} // namespace tavernrush
