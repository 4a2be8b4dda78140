#include "model/ImportedMesh.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <utility>

namespace tavernrush {
namespace {

void setFloatAttribute(GLuint location, GLint components, std::size_t offset)
{
    glEnableVertexAttribArray(location);
    glVertexAttribPointer(location, components, GL_FLOAT, GL_FALSE, sizeof(MeshVertex),
                          reinterpret_cast<const void*>(offset));
}

template <typename T>
GLsizeiptr byteSize(const std::vector<T>& items)
{
    return static_cast<GLsizeiptr>(items.size() * sizeof(T));
}

} // namespace

ImportedMesh::ImportedMesh(MeshGeometry geometry, std::vector<MeshTexture> textures)
    : vertices_(std::move(geometry.vertices))
    , indices_(std::move(geometry.indices))
    , textures_(std::move(textures))
    , vao_(createVertexArray())
    , vbo_(createBuffer())
    , ebo_(createBuffer())
{
    upload();
}

void ImportedMesh::upload()
{
    // A material with more textures than the driver has units binds its first
    // ones rather than naming a unit that does not exist.
    GLint unitCount = 0;
    glGetIntegerv(GL_MAX_COMBINED_TEXTURE_IMAGE_UNITS, &unitCount);
    boundTextureCount_ = std::min(textures_.size(), static_cast<std::size_t>(std::max(unitCount, 0)));

    // One draw call takes at most GLsizei indices; a mesh that large is far
    // beyond anything the game loads, so it is cut to whole triangles.
    constexpr std::size_t maxDrawCount = static_cast<std::size_t>(std::numeric_limits<GLsizei>::max()) / 3 * 3;
    drawCount_ = static_cast<GLsizei>(std::min(indices_.size(), maxDrawCount));

    glBindVertexArray(vao_.get());
    glBindBuffer(GL_ARRAY_BUFFER, vbo_.get());
    glBufferData(GL_ARRAY_BUFFER, byteSize(vertices_), vertices_.data(), GL_STATIC_DRAW);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, ebo_.get());
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, byteSize(indices_), indices_.data(), GL_STATIC_DRAW);

    setFloatAttribute(meshPositionLocation, 3, offsetof(MeshVertex, position));
    setFloatAttribute(meshNormalLocation, 3, offsetof(MeshVertex, normal));
    setFloatAttribute(meshTexCoordsLocation, 2, offsetof(MeshVertex, texCoords));
    setFloatAttribute(meshTangentLocation, 3, offsetof(MeshVertex, tangent));
    setFloatAttribute(meshBitangentLocation, 3, offsetof(MeshVertex, bitangent));
    glBindVertexArray(0);

    labelGlObject(GL_VERTEX_ARRAY, vao_.get(), "imported-mesh-vao");
    labelGlObject(GL_BUFFER, vbo_.get(), "imported-mesh-vertices");
    labelGlObject(GL_BUFFER, ebo_.get(), "imported-mesh-indices");
}

void ImportedMesh::draw() const
{
    // A moved-from mesh has no vertex array left and nothing to draw.
    if (!vao_) {
        return;
    }
    for (std::size_t i = 0; i < boundTextureCount_ && i < textures_.size(); ++i) {
        glActiveTexture(GL_TEXTURE0 + static_cast<GLenum>(i));
        glBindTexture(GL_TEXTURE_2D, textures_[i].id);
    }
    glBindVertexArray(vao_.get());
    glDrawElements(GL_TRIANGLES, drawCount_, GL_UNSIGNED_INT, nullptr);
    glBindVertexArray(0);
    glActiveTexture(GL_TEXTURE0);
}

} // namespace tavernrush
