#include "render/Skybox.h"

#include <array>
#include <utility>

namespace tavernrush {
namespace {

// Six vertices (two triangles) per face: z = -1, x = -1, x = +1, z = +1,
// y = +1, y = -1.
constexpr std::array<float, 108> cubeVertices{
    -1.0f, 1.0f,  -1.0f, -1.0f, -1.0f, -1.0f, 1.0f,  -1.0f, -1.0f,
    1.0f,  -1.0f, -1.0f, 1.0f,  1.0f,  -1.0f, -1.0f, 1.0f,  -1.0f,

    -1.0f, -1.0f, 1.0f,  -1.0f, -1.0f, -1.0f, -1.0f, 1.0f,  -1.0f,
    -1.0f, 1.0f,  -1.0f, -1.0f, 1.0f,  1.0f,  -1.0f, -1.0f, 1.0f,

    1.0f,  -1.0f, -1.0f, 1.0f,  -1.0f, 1.0f,  1.0f,  1.0f,  1.0f,
    1.0f,  1.0f,  1.0f,  1.0f,  1.0f,  -1.0f, 1.0f,  -1.0f, -1.0f,

    -1.0f, -1.0f, 1.0f,  -1.0f, 1.0f,  1.0f,  1.0f,  1.0f,  1.0f,
    1.0f,  1.0f,  1.0f,  1.0f,  -1.0f, 1.0f,  -1.0f, -1.0f, 1.0f,

    -1.0f, 1.0f,  -1.0f, 1.0f,  1.0f,  -1.0f, 1.0f,  1.0f,  1.0f,
    1.0f,  1.0f,  1.0f,  -1.0f, 1.0f,  1.0f,  -1.0f, 1.0f,  -1.0f,

    -1.0f, -1.0f, -1.0f, -1.0f, -1.0f, 1.0f,  1.0f,  -1.0f, -1.0f,
    1.0f,  -1.0f, -1.0f, -1.0f, -1.0f, 1.0f,  1.0f,  -1.0f, 1.0f,
};
constexpr GLsizei cubeVertexCount = static_cast<GLsizei>(cubeVertices.size() / 3);

} // namespace

Skybox::Skybox(CubeMap faces) : cubeMap_(std::move(faces))
{
    vao_ = createVertexArray();
    glBindVertexArray(vao_.get());
    labelGlObject(GL_VERTEX_ARRAY, vao_.get(), "sky cube");
    vbo_ = createBuffer();
    glBindBuffer(GL_ARRAY_BUFFER, vbo_.get());
    labelGlObject(GL_BUFFER, vbo_.get(), "sky cube vertices");
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(sizeof(cubeVertices)), cubeVertices.data(),
                 GL_STATIC_DRAW);
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, 3 * sizeof(float), nullptr);
    cubeMap_.load();
}

void Skybox::draw() const
{
    glBindVertexArray(vao_.get());
    cubeMap_.bind(0);
    glDrawArrays(GL_TRIANGLES, 0, cubeVertexCount);
    glBindTexture(GL_TEXTURE_CUBE_MAP, 0);
    glBindVertexArray(0);
}

void drawSky(const Skybox& skybox, Shader& skyShader, const glm::mat4& viewMatrix, const glm::mat4& projectionMatrix)
{
    // The sky lies exactly on the far plane: GL_LESS would reject it against
    // a depth buffer cleared to 1.
    glDepthFunc(GL_LEQUAL);
    skyShader.use();
    skyShader.setUniform("view", glm::mat3(viewMatrix));
    skyShader.setUniform("proj", projectionMatrix);
    skybox.draw();
    glDepthFunc(GL_LESS);
}

} // namespace tavernrush
