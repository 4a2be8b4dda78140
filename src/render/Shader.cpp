#include "render/Shader.h"

#include "render/AssetPath.h"
#include "render/StartupSteps.h"

#include <glm/gtc/type_ptr.hpp>

#include <cctype>
#include <fstream>
#include <iostream>
#include <sstream>
#include <vector>

namespace tavernrush {
namespace {

// Drivers end their logs with a newline; the console line adds its own.
std::string trimmed(std::string text)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())) != 0) {
        text.pop_back();
    }
    return text;
}

std::string shaderInfoLog(GLuint shader)
{
    GLint length = 0;
    glGetShaderiv(shader, GL_INFO_LOG_LENGTH, &length);
    std::vector<GLchar> log(static_cast<std::size_t>(std::max(length, 1)), '\0');
    glGetShaderInfoLog(shader, static_cast<GLsizei>(log.size()), nullptr, log.data());
    return trimmed(log.data());
}

std::string programInfoLog(GLuint program)
{
    GLint length = 0;
    glGetProgramiv(program, GL_INFO_LOG_LENGTH, &length);
    std::vector<GLchar> log(static_cast<std::size_t>(std::max(length, 1)), '\0');
    glGetProgramInfoLog(program, static_cast<GLsizei>(log.size()), nullptr, log.data());
    return trimmed(log.data());
}

// One stage file as read. A file that could not be opened was named on the
// console already, so its failed compile does not name it again.
struct StageSource {
    std::string path;
    std::string text;
    bool opened = false;
};

StageSource readStage(const std::string& path)
{
    StageSource source{path, {}, false};
    std::ifstream file(path);
    if (!file) {
        std::cout << "ERROR: Failed to open shader file '" << path << "'" << std::endl;
        return source;
    }
    std::stringstream text;
    text << file.rdbuf();
    source.text = text.str();
    source.opened = true;
    return source;
}

GLuint compileStage(GLenum stage, const StageSource& source, const std::string& programName, const char* stageName)
{
    const GLuint shader = glCreateShader(stage);
    const GLchar* text = source.text.c_str();
    glShaderSource(shader, 1, &text, nullptr);
    glCompileShader(shader);
    GLint compiled = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
    if (compiled != GL_TRUE) {
        std::cout << "ERROR: Shader '" << programName << "' " << stageName << " stage";
        // The driver's log counts lines but never says which file they are in.
        if (source.opened) {
            std::cout << " '" << source.path << "'";
        }
        std::cout << " failed to compile: " << shaderInfoLog(shader) << std::endl;
    }
    return shader;
}

} // namespace

Shader::Shader(std::string name, bool withGeometryStage, std::string directory) : name_(std::move(name))
{
    const StartupStepTimer timer("build programs");
    const std::string base = assetPath(directory + name_);
    const StageSource vertexSource = readStage(base + ".vert");
    const StageSource fragmentSource = readStage(base + ".frag");

    const GLuint vertexShader = compileStage(GL_VERTEX_SHADER, vertexSource, name_, "vertex");
    const GLuint fragmentShader = compileStage(GL_FRAGMENT_SHADER, fragmentSource, name_, "fragment");

    program_ = ProgramName{glCreateProgram()};
    const GLuint program = program_.get();
    glAttachShader(program, vertexShader);
    glAttachShader(program, fragmentShader);
    // This first link may fail by design: a program whose vertex stage only
    // feeds a geometry stage is incomplete until that stage is attached.
    glLinkProgram(program);

    GLuint geometryShader = 0;
    if (withGeometryStage) {
        const StageSource geometrySource = readStage(base + ".geom");
        geometryShader = compileStage(GL_GEOMETRY_SHADER, geometrySource, name_, "geometry");
        glAttachShader(program, geometryShader);
    }
    glLinkProgram(program);
    GLint linked = GL_FALSE;
    glGetProgramiv(program, GL_LINK_STATUS, &linked);
    linked_ = linked == GL_TRUE;
    if (linked != GL_TRUE) {
        std::cout << "ERROR: Shader '" << name_ << "' link stage failed: " << programInfoLog(program) << std::endl;
    }

    glDetachShader(program, vertexShader);
    glDeleteShader(vertexShader);
    glDetachShader(program, fragmentShader);
    glDeleteShader(fragmentShader);
    if (withGeometryStage) {
        glDetachShader(program, geometryShader);
        glDeleteShader(geometryShader);
    }
    labelGlObject(GL_PROGRAM, program, name_.c_str());
    // An unlinked program has no uniforms; asking would only raise errors.
    if (linked != GL_TRUE) {
        return;
    }
    colorLocation_ = glGetUniformLocation(program, "ourColor");
    modelMatrixLocation_ = glGetUniformLocation(program, "modelMatrix");
    projectionViewMatrixLocation_ = glGetUniformLocation(program, "projectionViewMatrix");
}

// A program that failed to link stays out of use and takes no uniforms: its
// draws then show nothing instead of raising the same GL errors every frame,
// and the console keeps the lines that named the broken stage.
void Shader::use() const { glUseProgram(linked_ ? program_.get() : 0); }

GLint Shader::location(const std::string& name)
{
    const auto found = locations_.find(name);
    if (found != locations_.end()) {
        return found->second;
    }
    const GLint location = linked_ ? glGetUniformLocation(program_.get(), name.c_str()) : -1;
    locations_.emplace(name, location);
    return location;
}

void Shader::setUniform(const std::string& name, const glm::vec3& value)
{
    upload(name, [&](GLint at) { glUniform3f(at, value.x, value.y, value.z); });
}

void Shader::setUniform(const std::string& name, const glm::vec2& value)
{
    upload(name, [&](GLint at) { glUniform2f(at, value.x, value.y); });
}

void Shader::setUniform(const std::string& name, float value)
{
    upload(name, [&](GLint at) { glUniform1f(at, value); });
}

void Shader::setUniform(const std::string& name, int value)
{
    upload(name, [&](GLint at) { glUniform1i(at, value); });
}

void Shader::setUniform(const std::string& name, const glm::mat4& value)
{
    upload(name, [&](GLint at) { glUniformMatrix4fv(at, 1, GL_FALSE, glm::value_ptr(value)); });
}

void Shader::setUniform(const std::string& name, const glm::mat3& value)
{
    upload(name, [&](GLint at) { glUniformMatrix3fv(at, 1, GL_FALSE, glm::value_ptr(value)); });
}

ShaderPtr makeShader(std::string_view stagesPath, bool withGeometryStage)
{
    const std::size_t nameStart = stagesPath.rfind('/') + 1; // npos + 1 is 0
    return std::make_shared<Shader>(std::string(stagesPath.substr(nameStart)), withGeometryStage,
                                    std::string(stagesPath.substr(0, nameStart)));
}

} // namespace tavernrush
