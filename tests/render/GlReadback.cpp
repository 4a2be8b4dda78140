#include "GlReadback.h"

#include <gtest/gtest.h>

#include <glm/gtc/type_ptr.hpp>

#include <algorithm>
#include <cstdlib>

namespace tavernrush::testing {
namespace {

GLenum bindingQuery(GLenum bindTarget)
{
    return bindTarget == GL_TEXTURE_CUBE_MAP ? GL_TEXTURE_BINDING_CUBE_MAP : GL_TEXTURE_BINDING_2D;
}

// Binds `texture` for the duration of a query and puts the old binding back,
// so reading never changes what the code under test left bound.
class TemporaryBinding {
public:
    TemporaryBinding(GLenum target, GLuint texture) : target_(target)
    {
        glGetIntegerv(bindingQuery(target), &previous_);
        glBindTexture(target, texture);
    }
    ~TemporaryBinding() { glBindTexture(target_, static_cast<GLuint>(previous_)); }
    TemporaryBinding(const TemporaryBinding&) = delete;
    TemporaryBinding& operator=(const TemporaryBinding&) = delete;

private:
    GLenum target_;
    GLint previous_ = 0;
};

GLint located(GLuint program, const std::string& name)
{
    const GLint location = glGetUniformLocation(program, name.c_str());
    EXPECT_GE(location, 0) << "uniform " << name << " is not active in the test program";
    return location;
}

} // namespace

GLint levelParameter(GLenum bindTarget, GLuint texture, GLenum imageTarget, GLint level, GLenum parameter)
{
    const TemporaryBinding binding(bindTarget, texture);
    GLint value = -1;
    glGetTexLevelParameteriv(imageTarget, level, parameter, &value);
    return value;
}

TexelRows readTexels(GLenum bindTarget, GLuint texture, GLenum imageTarget, GLint level)
{
    const TemporaryBinding binding(bindTarget, texture);
    TexelRows rows;
    glGetTexLevelParameteriv(imageTarget, level, GL_TEXTURE_WIDTH, &rows.width);
    glGetTexLevelParameteriv(imageTarget, level, GL_TEXTURE_HEIGHT, &rows.height);
    rows.texels.resize(static_cast<std::size_t>(rows.width * rows.height));
    if (!rows.texels.empty()) {
        GLint packAlignment = 4;
        glGetIntegerv(GL_PACK_ALIGNMENT, &packAlignment);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(imageTarget, level, GL_RGBA, GL_UNSIGNED_BYTE, rows.texels.data());
        glPixelStorei(GL_PACK_ALIGNMENT, packAlignment);
    }
    return rows;
}

int channelDistance(const Rgba& a, const Rgba& b)
{
    return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b), std::abs(a.a - b.a)});
}

GLint currentProgram() { return integerState(GL_CURRENT_PROGRAM); }

GLint integerState(GLenum name)
{
    GLint value = -1;
    glGetIntegerv(name, &value);
    return value;
}

float uniformFloat(GLuint program, const std::string& name)
{
    float value = -1.0f;
    glGetUniformfv(program, located(program, name), &value);
    return value;
}

GLint uniformInt(GLuint program, const std::string& name)
{
    GLint value = -1;
    glGetUniformiv(program, located(program, name), &value);
    return value;
}

glm::vec2 uniformVec2(GLuint program, const std::string& name)
{
    glm::vec2 value(-1.0f);
    glGetUniformfv(program, located(program, name), glm::value_ptr(value));
    return value;
}

glm::vec3 uniformVec3(GLuint program, const std::string& name)
{
    glm::vec3 value(-1.0f);
    glGetUniformfv(program, located(program, name), glm::value_ptr(value));
    return value;
}

glm::mat3 uniformMat3(GLuint program, const std::string& name)
{
    glm::mat3 value(-1.0f);
    glGetUniformfv(program, located(program, name), glm::value_ptr(value));
    return value;
}

glm::mat4 uniformMat4(GLuint program, const std::string& name)
{
    glm::mat4 value(-1.0f);
    glGetUniformfv(program, located(program, name), glm::value_ptr(value));
    return value;
}

} // namespace tavernrush::testing
