// Building programs from stage files, the failure lines for missing or
// broken stages, and the uniform setters read back from the driver.

#include "render/Shader.h"

#include "GlReadback.h"
#include "TestPrograms.h"
#include "support/GlTestContext.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <glm/gtc/matrix_transform.hpp>

#include <memory>
#include <string>

namespace tavernrush {
namespace {

using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::Not;
using testing::ScratchDirectory;

int occurrences(const std::string& text, const std::string& word)
{
    int count = 0;
    for (auto at = text.find(word); at != std::string::npos; at = text.find(word, at + word.size())) {
        ++count;
    }
    return count;
}

GLint programParameter(GLuint program, GLenum parameter)
{
    GLint value = -1;
    glGetProgramiv(program, parameter, &value);
    return value;
}

class ShaderGLTest : public testing::GlTest {
protected:
    // Builds `name` from the scratch directory and returns what it printed.
    std::string build(const std::string& name, bool withGeometryStage)
    {
        ::testing::internal::CaptureStdout();
        shader = std::make_unique<Shader>(name, withGeometryStage, directory.prefix());
        return ::testing::internal::GetCapturedStdout();
    }

    ScratchDirectory directory;
    std::unique_ptr<Shader> shader;
};

TEST_F(ShaderGLTest, BuildsALinkedProgramQuietly)
{
    testing::writeSetterProgram(directory, "setters");
    EXPECT_EQ(build("setters", false), "");
    EXPECT_TRUE(glIsProgram(shader->programName()));
    EXPECT_EQ(programParameter(shader->programName(), GL_LINK_STATUS), GL_TRUE);
    EXPECT_EQ(shader->name(), "setters");
}

TEST_F(ShaderGLTest, ReleasesTheStageObjectsOnceLinked)
{
    testing::writeGeometryStageProgram(directory, "bloom");
    build("bloom", true);
    EXPECT_EQ(programParameter(shader->programName(), GL_ATTACHED_SHADERS), 0);
}

TEST_F(ShaderGLTest, LinksTheGeometryStageWhenAsked)
{
    testing::writeGeometryStageProgram(directory, "bloom");
    EXPECT_EQ(build("bloom", true), "");
    EXPECT_EQ(programParameter(shader->programName(), GL_LINK_STATUS), GL_TRUE);
    EXPECT_EQ(programParameter(shader->programName(), GL_GEOMETRY_VERTICES_OUT), 3);
}

TEST_F(ShaderGLTest, NeverReadsAGeometryFileUnlessAsked)
{
    testing::writeSetterProgram(directory, "setters");
    directory.writeText("setters.geom", "this would not compile");
    EXPECT_EQ(build("setters", false), "");
    EXPECT_EQ(programParameter(shader->programName(), GL_LINK_STATUS), GL_TRUE);
}

TEST_F(ShaderGLTest, MissingFragmentFileIsNamedAndStillGivesAProgram)
{
    testing::writeSetterProgram(directory, "setters");
    std::filesystem::remove(directory.file("setters.frag"));

    const std::string printed = build("setters", false);
    context->takeMessages(); // the driver may report the failed compile too

    EXPECT_EQ(occurrences(printed, directory.file("setters.frag")), 1) << printed;
    EXPECT_THAT(printed, AllOf(HasSubstr("'setters' fragment"), HasSubstr("link")));
    EXPECT_THAT(printed, Not(HasSubstr("'setters' vertex"))) << "the vertex stage compiled";
    EXPECT_TRUE(glIsProgram(shader->programName()));
    EXPECT_EQ(programParameter(shader->programName(), GL_LINK_STATUS), GL_FALSE);
}

TEST_F(ShaderGLTest, AFailedProgramIsNeverMadeCurrentAndTakesNoUniforms)
{
    testing::writeSetterProgram(directory, "setters");
    std::filesystem::remove(directory.file("setters.frag"));
    build("setters", false);
    context->takeMessages();

    // Whatever was current before, a broken program leaves no program in use,
    // so the frame's draws raise nothing instead of one error per call.
    testing::writeSetterProgram(directory, "setters2");
    Shader healthy("setters2", false, directory.prefix());
    healthy.use();
    shader->use();
    GLint current = -1;
    glGetIntegerv(GL_CURRENT_PROGRAM, &current);
    EXPECT_EQ(current, 0);
    shader->setUniform("modelMatrix", glm::mat4(1.0f));
    shader->setUniform("specularAlpha", 2.0f);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(ShaderGLTest, MissingGeometryFileIsNamed)
{
    testing::writeGeometryStageProgram(directory, "bloom");
    std::filesystem::remove(directory.file("bloom.geom"));
    const std::string printed = build("bloom", true);
    context->takeMessages();
    EXPECT_EQ(occurrences(printed, directory.file("bloom.geom")), 1) << printed;
    EXPECT_THAT(printed, HasSubstr("'bloom' geometry"));
    EXPECT_EQ(programParameter(shader->programName(), GL_LINK_STATUS), GL_FALSE);
}

TEST_F(ShaderGLTest, CompileErrorNamesProgramStageAndDriverLog)
{
    testing::writeSetterProgram(directory, "setters");
    directory.writeText("setters.vert", "#version 330 core\nvoid main() { gl_Position = undeclaredThing; }\n");
    const std::string printed = build("setters", false);
    context->takeMessages();

    EXPECT_THAT(printed, AllOf(HasSubstr("setters"), HasSubstr("vertex"), HasSubstr("undeclaredThing")));
    EXPECT_THAT(printed, Not(HasSubstr("'setters' fragment"))) << "the fragment stage compiled";
    EXPECT_THAT(printed, HasSubstr("link")) << "the final link must be checked too";
}

TEST_F(ShaderGLTest, LinkErrorNamesTheProgramAndDriverLog)
{
    // Both stages compile on their own, but disagree on the type of "shade".
    directory.writeText("mismatch.vert", "#version 330 core\nout vec3 shade;\n"
                                         "void main() { shade = vec3(1.0); gl_Position = vec4(0.0); }\n");
    directory.writeText("mismatch.frag", "#version 330 core\nin vec4 shade;\nout vec4 color;\n"
                                         "void main() { color = shade; }\n");
    const std::string printed = build("mismatch", false);
    context->takeMessages();
    EXPECT_THAT(printed, AllOf(HasSubstr("mismatch"), HasSubstr("link"), HasSubstr("shade")));
    EXPECT_EQ(occurrences(printed, "ERROR"), 1) << "only the link fails:\n" << printed;
    EXPECT_EQ(programParameter(shader->programName(), GL_LINK_STATUS), GL_FALSE);
}

TEST_F(ShaderGLTest, EverySetterReachesItsUniform)
{
    testing::writeSetterProgram(directory, "setters");
    build("setters", false);
    const GLuint program = shader->programName();
    const glm::mat4 model = glm::translate(glm::rotate(glm::mat4(1.0f), 0.3f, glm::vec3(0, 1, 0)), {1, 2, 3});
    const glm::mat3 view(glm::vec3(1, 2, 3), glm::vec3(4, 5, 6), glm::vec3(7, 8, 9));

    shader->use();
    shader->setUniform("tint", glm::vec3(0.25f, 0.5f, 0.75f));
    shader->setUniform("offset", glm::vec2(-1.5f, 2.5f));
    shader->setUniform("scale", 3.25f);
    shader->setUniform("horizontal", 1);
    shader->setUniform("model", model);
    shader->setUniform("view", view);

    EXPECT_EQ(testing::uniformVec3(program, "tint"), glm::vec3(0.25f, 0.5f, 0.75f));
    EXPECT_EQ(testing::uniformVec2(program, "offset"), glm::vec2(-1.5f, 2.5f));
    EXPECT_EQ(testing::uniformFloat(program, "scale"), 3.25f);
    EXPECT_EQ(testing::uniformInt(program, "horizontal"), 1);
    EXPECT_EQ(testing::uniformMat4(program, "model"), model);
    // Column-major, not transposed: the first column is (1, 2, 3).
    EXPECT_EQ(testing::uniformMat3(program, "view"), view);
}

TEST_F(ShaderGLTest, SettingAnUnknownUniformDoesNothing)
{
    testing::writeSetterProgram(directory, "setters");
    build("setters", false);
    shader->use();
    shader->setUniform("scale", 2.0f);
    shader->setUniform("notInThisProgram", 5.0f);
    shader->setUniform("notInThisProgram", glm::mat4(2.0f));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    EXPECT_EQ(testing::uniformFloat(shader->programName(), "scale"), 2.0f);
}

TEST_F(ShaderGLTest, TwoProgramsKeepTheirOwnValues)
{
    // Location lookups are per program; a value set on one never lands in
    // the other even though both share uniform names.
    testing::writeSetterProgram(directory, "first");
    testing::writeSetterProgram(directory, "second");
    build("first", false);
    std::unique_ptr<Shader> first = std::move(shader);
    build("second", false);

    first->use();
    first->setUniform("scale", 1.5f);
    shader->use();
    shader->setUniform("scale", 4.5f);

    EXPECT_EQ(testing::uniformFloat(first->programName(), "scale"), 1.5f);
    EXPECT_EQ(testing::uniformFloat(shader->programName(), "scale"), 4.5f);
}

} // namespace
} // namespace tavernrush
