#pragma once
// Helpers for the render-pass GL tests: a flat-colour program that draws each
// material in its diffuse colour (so a probe can tell which object covers a
// pixel without depending on the game's lighting), and pixel read-back.

#include "render/Material.h"
#include "render/Shader.h"

#include <GL/glew.h>
#include <glm/glm.hpp>
#include <glm/gtc/type_precision.hpp>

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace tavernrush::testing {

// "modelMatrix" and "viewProjMatrix" place the shape; colour 0 is
// "diffuseColor", the glow output stays black.
inline ShaderPtr makeFlatShader()
{
    const std::filesystem::path directory =
        std::filesystem::temp_directory_path() / ("tavernrush-flat-" + std::to_string(::getpid()));
    std::filesystem::create_directories(directory);
    std::ofstream(directory / "flat.vert") << R"(#version 450 core
layout(location = 0) in vec3 position;
uniform mat4 modelMatrix;
uniform mat4 viewProjMatrix;
void main() { gl_Position = viewProjMatrix * modelMatrix * vec4(position, 1.0); }
)";
    std::ofstream(directory / "flat.frag") << R"(#version 450 core
uniform vec3 diffuseColor;
layout(location = 0) out vec4 color;
layout(location = 1) out vec4 glow;
void main() { color = vec4(diffuseColor, 1.0); glow = vec4(0.0, 0.0, 0.0, 1.0); }
)";
    auto shader = std::make_shared<Shader>("flat", false, directory.string() + "/");
    std::filesystem::remove_all(directory);
    return shader;
}

// A material without a picture: its texture is the loader's empty texture.
inline MaterialPtr flatMaterial(ShaderPtr shader, const glm::vec3& color)
{
    return makeMaterial(std::move(shader), color, glm::vec3(1.0f, 0.7f, 0.1f), 2.0f, "no-such-picture.png");
}

// Turns a texture into one texel of `color`, a picture without a file.
inline void fillTexture(const Texture& texture, const glm::u8vec4& color)
{
    glBindTexture(GL_TEXTURE_2D, texture.handle());
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, &color.x);
    glBindTexture(GL_TEXTURE_2D, 0);
}

struct Image {
    int width = 0;
    int height = 0;
    std::vector<glm::u8vec4> pixels;
    glm::u8vec4 at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

inline Image readFramebuffer(GLuint framebuffer, GLenum readBuffer, int width, int height)
{
    Image image{width, height, std::vector<glm::u8vec4>(static_cast<std::size_t>(width * height))};
    glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer);
    glReadBuffer(readBuffer);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, image.pixels.data());
    glBindFramebuffer(GL_READ_FRAMEBUFFER, 0);
    return image;
}

inline Image readTexture(GLuint texture)
{
    Image image;
    glBindTexture(GL_TEXTURE_2D, texture);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &image.width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &image.height);
    image.pixels.resize(static_cast<std::size_t>(image.width * image.height));
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, image.pixels.data());
    glBindTexture(GL_TEXTURE_2D, 0);
    return image;
}

inline GLint textureLevelParameter(GLuint texture, GLenum parameter)
{
    GLint value = 0;
    glBindTexture(GL_TEXTURE_2D, texture);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, parameter, &value);
    glBindTexture(GL_TEXTURE_2D, 0);
    return value;
}

inline GLint textureParameter(GLuint texture, GLenum parameter)
{
    GLint value = 0;
    glBindTexture(GL_TEXTURE_2D, texture);
    glGetTexParameteriv(GL_TEXTURE_2D, parameter, &value);
    glBindTexture(GL_TEXTURE_2D, 0);
    return value;
}

inline GLenum framebufferStatus(GLuint framebuffer)
{
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    const GLenum status = glCheckFramebufferStatus(GL_FRAMEBUFFER);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    return status;
}

inline GLint integerState(GLenum name)
{
    GLint value = 0;
    glGetIntegerv(name, &value);
    return value;
}

// Triangles that reach the rasteriser while `draw` runs.
template <typename Draw>
GLuint trianglesDrawnBy(Draw&& draw)
{
    GLuint query = 0;
    glGenQueries(1, &query);
    glBeginQuery(GL_PRIMITIVES_GENERATED, query);
    draw();
    glEndQuery(GL_PRIMITIVES_GENERATED);
    GLuint count = 0;
    glGetQueryObjectuiv(query, GL_QUERY_RESULT, &count);
    glDeleteQueries(1, &query);
    return count;
}

} // namespace tavernrush::testing
