#pragma once
// An indexed triangle mesh on the GPU with the material it is drawn with and
// the matrices that place it.

#include "render/GeometryData.h"
#include "render/GlName.h"
#include "render/Material.h"

#include <glm/glm.hpp>

#include <memory>

namespace tavernrush {

// The inverse transpose that carries normals through `model`.
glm::mat3 normalMatrixOf(const glm::mat4& model);

class Geometry {
public:
    Geometry(const glm::mat4& model, const GeometryData& data, MaterialPtr material);

    Geometry(Geometry&&) noexcept = default;
    Geometry& operator=(Geometry&&) noexcept = default;

    // Lit draw: selects the material's program, sends "modelMatrix" and
    // "normalMatrix", the material uniforms, and the material texture on
    // unit 0.
    void drawAt(const glm::mat4& modelMatrix, const glm::mat3& normalMatrix);
    // The collectibles' draw: at the draw matrix, lit with the normal matrix
    // of the model matrix: they spin every frame and their lighting is meant
    // to stay put.
    void draw() { drawAt(drawMatrix_, normalMatrixOf(modelMatrix_)); }
    // Picture boards: material uniforms and texture, `count` indices; the
    // caller has selected the program and set the matrices.
    void drawQuad(int count);
    // Shadow-receiving draw with "sm": the surface texture on unit 0 and the
    // shadow depth texture on unit 1, which stays the active unit.
    void drawWithShadowMap(GLuint shadowTexture);

    // Applies `m` after the current model transform.
    void transform(const glm::mat4& m) { modelMatrix_ = m * modelMatrix_; }
    void setModelMatrix(const glm::mat4& m) { modelMatrix_ = m; }
    glm::mat4 getModelMatrix() const { return modelMatrix_; }
    // The plain upper-left 3x3 of the model matrix; callers that need the
    // inverse transpose compute it themselves.
    glm::mat3 getNormalMatrix() const { return glm::mat3(modelMatrix_); }

    void setMaterial(MaterialPtr material) { material_ = std::move(material); }
    const MaterialPtr& material() const { return material_; }

    const glm::mat4& constructionMatrix() const { return constructionMatrix_; }
    void setDrawMatrix(const glm::mat4& m) { drawMatrix_ = m; }
    const glm::mat4& drawMatrix() const { return drawMatrix_; }
    GLuint vertexArray() const { return mesh_->vao.get(); }
    GLsizei elementCount() const { return elementCount_; }

private:
    void drawElements(GLsizei count) const;

    glm::mat4 modelMatrix_{1.0f};
    // Members are released in reverse order: the buffers, then the array.
    struct GpuMesh {
        VertexArrayName vao;
        BufferName position;
        BufferName normal;
        BufferName uv;
        BufferName index;
    };
    std::shared_ptr<const GpuMesh> mesh_;
    GLsizei elementCount_ = 0;
    MaterialPtr material_;
    glm::mat4 constructionMatrix_{1.0f};
    glm::mat4 drawMatrix_{1.0f};
};

} // namespace tavernrush
