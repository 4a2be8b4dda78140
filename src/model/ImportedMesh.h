#pragma once
// One drawable mesh of an imported model: its vertices and triangles in GL
// buffers, and the material textures it binds before drawing. The mesh owns
// its vertex array and buffers and deletes them with itself; it is move-only
// so a growing mesh list moves the GL names instead of sharing them.

#include "model/MeshGeometry.h"
#include "model/MeshTexture.h"
#include "render/GlName.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tavernrush {

class ImportedMesh {
public:
    // Uploads the geometry at once; needs a current GL context.
    ImportedMesh(MeshGeometry geometry, std::vector<MeshTexture> textures);

    ImportedMesh(ImportedMesh&&) noexcept = default;
    ImportedMesh& operator=(ImportedMesh&&) noexcept = default;
    ImportedMesh(const ImportedMesh&) = delete;
    ImportedMesh& operator=(const ImportedMesh&) = delete;
    ~ImportedMesh() = default;

    // Binds texture i to unit GL_TEXTURE0 + i and draws the triangles with the
    // program the caller made current. GL_TEXTURE0 is the active unit again
    // afterwards; the textures stay bound. A mesh without textures draws with
    // whatever the caller bound.
    void draw() const;

    const std::vector<MeshVertex>& vertices() const { return vertices_; }
    const std::vector<std::uint32_t>& indices() const { return indices_; }
    const std::vector<MeshTexture>& textures() const { return textures_; }
    GLuint vao() const { return vao_.get(); }
    GLuint vbo() const { return vbo_.get(); }
    GLuint ebo() const { return ebo_.get(); }

private:
    void upload();

    std::vector<MeshVertex> vertices_;
    std::vector<std::uint32_t> indices_;
    std::vector<MeshTexture> textures_;
    VertexArrayName vao_;
    BufferName vbo_;
    BufferName ebo_;
    std::size_t boundTextureCount_ = 0;
    GLsizei drawCount_ = 0;
};

} // namespace tavernrush
