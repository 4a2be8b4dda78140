#pragma once
// Reading GL state back in the render tests: texels of a texture level and
// the values a program holds in its uniforms.

#include "TestFiles.h"

#include <GL/glew.h>
#include <glm/glm.hpp>

#include <string>
#include <vector>

namespace tavernrush::testing {

struct TexelRows {
    int width = 0;
    int height = 0;
    // Row 0 is t = 0, the first row GL was given.
    std::vector<Rgba> texels;
    const Rgba& at(int s, int t) const { return texels[static_cast<std::size_t>(t * width + s)]; }
};

// `target` is GL_TEXTURE_2D or one face of the cube map bound to `texture`.
TexelRows readTexels(GLenum bindTarget, GLuint texture, GLenum imageTarget, GLint level = 0);
inline TexelRows read2D(GLuint texture, GLint level = 0)
{
    return readTexels(GL_TEXTURE_2D, texture, GL_TEXTURE_2D, level);
}
inline TexelRows readCubeFace(GLuint cubeMap, int face)
{
    return readTexels(GL_TEXTURE_CUBE_MAP, cubeMap, static_cast<GLenum>(GL_TEXTURE_CUBE_MAP_POSITIVE_X + face));
}

// Level size and format without disturbing the current binding.
GLint levelParameter(GLenum bindTarget, GLuint texture, GLenum imageTarget, GLint level, GLenum parameter);

// Largest per-channel difference; JPEG tests compare within a tolerance.
int channelDistance(const Rgba& a, const Rgba& b);

GLint currentProgram();
GLint integerState(GLenum name);

float uniformFloat(GLuint program, const std::string& name);
GLint uniformInt(GLuint program, const std::string& name);
glm::vec2 uniformVec2(GLuint program, const std::string& name);
glm::vec3 uniformVec3(GLuint program, const std::string& name);
glm::mat3 uniformMat3(GLuint program, const std::string& name);
glm::mat4 uniformMat4(GLuint program, const std::string& name);

} // namespace tavernrush::testing
