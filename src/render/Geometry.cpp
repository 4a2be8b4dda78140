#include "render/Geometry.h"

#include <glm/gtc/matrix_inverse.hpp>

namespace tavernrush {
namespace {

template <typename T>
BufferName uploadAttribute(GLuint location, const std::vector<T>& values, GLint components)
{
    BufferName buffer = createBuffer();
    glBindBuffer(GL_ARRAY_BUFFER, buffer.get());
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(values.size() * sizeof(T)), values.data(),
                 GL_STATIC_DRAW);
    glEnableVertexAttribArray(location);
    glVertexAttribPointer(location, components, GL_FLOAT, GL_FALSE, 0, nullptr);
    return buffer;
}

} // namespace

glm::mat3 normalMatrixOf(const glm::mat4& model) { return glm::mat3(glm::inverseTranspose(model)); }

Geometry::Geometry(const glm::mat4& model, const GeometryData& data, MaterialPtr material)
    : modelMatrix_(model),
      elementCount_(static_cast<GLsizei>(data.indices.size())),
      material_(std::move(material)),
      constructionMatrix_(model)
{
    auto mesh = std::make_shared<GpuMesh>();
    mesh->vao = createVertexArray();
    glBindVertexArray(mesh->vao.get());
    mesh->position = uploadAttribute(0, data.positions, 3);
    mesh->normal = uploadAttribute(1, data.normals, 3);
    mesh->uv = uploadAttribute(2, data.uvs, 2);
    mesh->index = createBuffer();
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, mesh->index.get());
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(data.indices.size() * sizeof(std::uint32_t)),
                 data.indices.data(), GL_STATIC_DRAW);
    // Unbind the array first so it keeps its element buffer.
    glBindVertexArray(0);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    mesh_ = std::move(mesh);
}

void Geometry::drawElements(GLsizei count) const
{
    glBindVertexArray(mesh_->vao.get());
    glDrawElements(GL_TRIANGLES, count, GL_UNSIGNED_INT, nullptr);
    glBindVertexArray(0);
}

void Geometry::drawAt(const glm::mat4& modelMatrix, const glm::mat3& normalMatrix)
{
    Shader& shader = *material_->shader();
    shader.use();
    shader.setUniform("modelMatrix", modelMatrix);
    shader.setUniform("normalMatrix", normalMatrix);
    material_->setUniforms();
    material_->texture()->bind(0);
    drawElements(elementCount_);
    glBindTexture(GL_TEXTURE_2D, 0);
}

void Geometry::drawQuad(int count)
{
    material_->setUniforms();
    material_->texture()->bind(0);
    drawElements(count);
}

void Geometry::drawWithShadowMap(GLuint shadowTexture)
{
    material_->texture()->bind(0);
    glActiveTexture(GL_TEXTURE1);
    glBindTexture(GL_TEXTURE_2D, shadowTexture);
    drawElements(elementCount_);
    glBindTexture(GL_TEXTURE_2D, 0);
}

} // namespace tavernrush
