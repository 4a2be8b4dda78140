#include "DrawProbe.h"

#include <gtest/gtest.h>

namespace tavernrush::testing {
namespace {

constexpr int targetSize = 16;

const char* const vertexSource = R"(#version 450 core
layout(location = 0) in vec3 position;
layout(location = 1) in vec3 normal;
layout(location = 2) in vec2 texCoords;
layout(location = 3) in vec3 tangent;
layout(location = 4) in vec3 bitangent;
out vec2 uv;
void main()
{
    // Reading every attribute keeps all five locations active.
    uv = texCoords + 0.0 * (normal.xy + tangent.xy + bitangent.xy);
    gl_Position = vec4(position.xy, 0.0, 1.0);
}
)";

const char* const fragmentSource = R"(#version 450 core
layout(binding = 0) uniform sampler2D unit0;
layout(binding = 1) uniform sampler2D unit1;
in vec2 uv;
out vec4 colour;
void main()
{
    colour = vec4(texture(unit0, uv).r, texture(unit1, uv).g, 0.0, 1.0);
}
)";

GLuint compile(GLenum stage, const char* source)
{
    const GLuint shader = glCreateShader(stage);
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    GLint ok = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    EXPECT_EQ(ok, GL_TRUE) << "probe shader does not compile";
    return shader;
}

} // namespace

DrawProbe::DrawProbe()
{
    const GLuint vertex = compile(GL_VERTEX_SHADER, vertexSource);
    const GLuint fragment = compile(GL_FRAGMENT_SHADER, fragmentSource);
    program_ = glCreateProgram();
    glAttachShader(program_, vertex);
    glAttachShader(program_, fragment);
    glLinkProgram(program_);
    glDeleteShader(vertex);
    glDeleteShader(fragment);
    GLint linked = GL_FALSE;
    glGetProgramiv(program_, GL_LINK_STATUS, &linked);
    EXPECT_EQ(linked, GL_TRUE) << "probe program does not link";

    glCreateTextures(GL_TEXTURE_2D, 1, &colour_);
    glTextureStorage2D(colour_, 1, GL_RGBA8, targetSize, targetSize);
    glCreateFramebuffers(1, &framebuffer_);
    glNamedFramebufferTexture(framebuffer_, GL_COLOR_ATTACHMENT0, colour_, 0);
    EXPECT_EQ(glCheckNamedFramebufferStatus(framebuffer_, GL_FRAMEBUFFER), static_cast<GLenum>(GL_FRAMEBUFFER_COMPLETE));
    glGenQueries(1, &query_);
}

DrawProbe::~DrawProbe()
{
    glDeleteQueries(1, &query_);
    glDeleteFramebuffers(1, &framebuffer_);
    glDeleteTextures(1, &colour_);
    glDeleteProgram(program_);
}

void DrawProbe::begin()
{
    glUseProgram(program_);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    glViewport(0, 0, targetSize, targetSize);
    glClearColor(0.0f, 0.0f, 1.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
}

GLuint DrawProbe::countPrimitives(const std::function<void()>& draw)
{
    glBeginQuery(GL_PRIMITIVES_GENERATED, query_);
    draw();
    glEndQuery(GL_PRIMITIVES_GENERATED);
    GLuint count = 0;
    glGetQueryObjectuiv(query_, GL_QUERY_RESULT, &count);
    return count;
}

std::array<unsigned char, 4> DrawProbe::centrePixel()
{
    std::array<unsigned char, 4> pixel{};
    glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer_);
    glReadPixels(targetSize / 2, targetSize / 2, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel.data());
    return pixel;
}

} // namespace tavernrush::testing
