// The GPU side of imported meshes: the vertex buffer format read back from
// the vertex array, the texture units a draw binds, and who deletes what.

#include "model/ImportedModel.h"

#include "DrawProbe.h"
#include "support/GlTestContext.h"
#include "ModelTestFiles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>

namespace tavernrush {
namespace {

using ::testing::SizeIs;
using testing::DrawProbe;
using testing::TempDir;

// One triangle covering the whole target, with a diffuse and a specular map.
class ImportedMeshGLTest : public testing::GlTest {
protected:
    std::string writeCoveringModel()
    {
        dir.writeSolidPng("red.png", 2, 2, {255, 0, 0});
        dir.writeSolidPng("green.png", 2, 2, {0, 255, 0});
        dir.write("cover.mtl", "newmtl two\nmap_Kd red.png\nmap_Ks green.png\nnewmtl none\n");
        return dir.write("cover.obj", R"(mtllib cover.mtl
v -1 -1 0
v 3 -1 0
v -1 3 0
vt 0 0
vt 1 0
vt 0 1
vn 0 0 1
g Textured
usemtl two
f 1/1/1 2/2/1 3/3/1
g Bare
usemtl none
f 1/1/1 2/2/1 3/3/1
)");
    }

    static GLint attribute(GLuint location, GLenum name)
    {
        GLint value = 0;
        glGetVertexAttribiv(location, name, &value);
        return value;
    }

    static GLint integer(GLenum name)
    {
        GLint value = 0;
        glGetIntegerv(name, &value);
        return value;
    }

    static GLuint boundTexture(GLenum unit)
    {
        glActiveTexture(unit);
        return static_cast<GLuint>(integer(GL_TEXTURE_BINDING_2D));
    }

    TempDir dir;
};

TEST_F(ImportedMeshGLTest, VertexArrayDescribesThe56ByteLayoutAtLocations0To4)
{
    const ImportedModel model(writeCoveringModel());
    ASSERT_THAT(model.meshes(), SizeIs(2));
    const ImportedMesh& mesh = model.meshes()[0];
    EXPECT_EQ(integer(GL_VERTEX_ARRAY_BINDING), 0) << "import leaves no vertex array bound";

    glBindVertexArray(mesh.vao());
    struct Expected {
        GLuint location;
        GLint components;
        std::uintptr_t offset;
    };
    for (const Expected& e : {Expected{0, 3, 0}, Expected{1, 3, 12}, Expected{2, 2, 24}, Expected{3, 3, 32},
                              Expected{4, 3, 44}}) {
        SCOPED_TRACE(e.location);
        EXPECT_EQ(attribute(e.location, GL_VERTEX_ATTRIB_ARRAY_ENABLED), GL_TRUE);
        EXPECT_EQ(attribute(e.location, GL_VERTEX_ATTRIB_ARRAY_SIZE), e.components);
        EXPECT_EQ(attribute(e.location, GL_VERTEX_ATTRIB_ARRAY_TYPE), GL_FLOAT);
        EXPECT_EQ(attribute(e.location, GL_VERTEX_ATTRIB_ARRAY_NORMALIZED), GL_FALSE);
        EXPECT_EQ(attribute(e.location, GL_VERTEX_ATTRIB_ARRAY_STRIDE), 56);
        EXPECT_EQ(static_cast<GLuint>(attribute(e.location, GL_VERTEX_ATTRIB_ARRAY_BUFFER_BINDING)), mesh.vbo());
        void* pointer = nullptr;
        glGetVertexAttribPointerv(e.location, GL_VERTEX_ATTRIB_ARRAY_POINTER, &pointer);
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(pointer), e.offset);
    }
    EXPECT_EQ(attribute(5, GL_VERTEX_ATTRIB_ARRAY_ENABLED), GL_FALSE);
    EXPECT_EQ(static_cast<GLuint>(integer(GL_ELEMENT_ARRAY_BUFFER_BINDING)), mesh.ebo());
    glBindVertexArray(0);
}

TEST_F(ImportedMeshGLTest, BuffersHoldTheVerticesAndIndicesByteForByte)
{
    const ImportedModel model(writeCoveringModel());
    const ImportedMesh& mesh = model.meshes().at(0);
    ASSERT_THAT(mesh.vertices(), SizeIs(3));

    GLint64 vertexBytes = 0;
    glGetNamedBufferParameteri64v(mesh.vbo(), GL_BUFFER_SIZE, &vertexBytes);
    ASSERT_EQ(vertexBytes, 3 * 56);
    std::vector<MeshVertex> vertices(3);
    glGetNamedBufferSubData(mesh.vbo(), 0, vertexBytes, vertices.data());
    EXPECT_EQ(std::memcmp(vertices.data(), mesh.vertices().data(), 3 * sizeof(MeshVertex)), 0);

    std::vector<std::uint32_t> indices(3);
    glGetNamedBufferSubData(mesh.ebo(), 0, 3 * sizeof(std::uint32_t), indices.data());
    EXPECT_EQ(indices, mesh.indices());
}

TEST_F(ImportedMeshGLTest, DrawBindsTextureIToUnitIAndLeavesUnit0Active)
{
    const ImportedModel model(writeCoveringModel());
    const ImportedMesh& mesh = model.meshes().at(0);
    ASSERT_THAT(mesh.textures(), SizeIs(2));

    DrawProbe probe;
    probe.begin();
    glActiveTexture(GL_TEXTURE3);
    EXPECT_EQ(probe.countPrimitives([&] { mesh.draw(); }), 1u);

    EXPECT_EQ(integer(GL_ACTIVE_TEXTURE), GL_TEXTURE0);
    EXPECT_EQ(integer(GL_VERTEX_ARRAY_BINDING), 0);
    EXPECT_EQ(boundTexture(GL_TEXTURE0), mesh.textures()[0].id);
    EXPECT_EQ(boundTexture(GL_TEXTURE1), mesh.textures()[1].id);
    glActiveTexture(GL_TEXTURE0);
    // Red from the diffuse map on unit 0, green from the specular map on 1.
    EXPECT_EQ(probe.centrePixel(), (std::array<unsigned char, 4>{255, 255, 0, 255}));
}

TEST_F(ImportedMeshGLTest, MeshWithoutTexturesDrawsWithTheCallersBindings)
{
    const ImportedModel model(writeCoveringModel());
    const ImportedMesh& bare = model.meshes().at(1);
    ASSERT_TRUE(bare.textures().empty());
    const GLuint callers = model.meshes().at(0).textures().at(1).id; // green

    DrawProbe probe;
    probe.begin();
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, callers);
    glActiveTexture(GL_TEXTURE1);
    glBindTexture(GL_TEXTURE_2D, 0);
    EXPECT_EQ(probe.countPrimitives([&] { bare.draw(); }), 1u);

    EXPECT_EQ(integer(GL_ACTIVE_TEXTURE), GL_TEXTURE0);
    EXPECT_EQ(boundTexture(GL_TEXTURE0), callers);
    glActiveTexture(GL_TEXTURE0);
    // Unit 0 holds the green map, whose red is 0; unit 1 is empty.
    EXPECT_EQ(probe.centrePixel(), (std::array<unsigned char, 4>{0, 0, 0, 255}));
}

// --- Ownership -------------------------------------------------------------

struct ModelNames {
    std::vector<GLuint> vertexArrays;
    std::vector<GLuint> buffers;
    std::vector<GLuint> textures;
};

ModelNames namesOf(const ImportedModel& model)
{
    ModelNames names;
    for (const ImportedMesh& mesh : model.meshes()) {
        names.vertexArrays.push_back(mesh.vao());
        names.buffers.push_back(mesh.vbo());
        names.buffers.push_back(mesh.ebo());
    }
    for (const MeshTexture& texture : model.textureCache()) {
        names.textures.push_back(texture.id);
    }
    return names;
}

void expectAlive(const ModelNames& names, bool alive)
{
    for (const GLuint name : names.vertexArrays) {
        EXPECT_EQ(glIsVertexArray(name), alive ? GL_TRUE : GL_FALSE) << "vertex array " << name;
    }
    for (const GLuint name : names.buffers) {
        EXPECT_EQ(glIsBuffer(name), alive ? GL_TRUE : GL_FALSE) << "buffer " << name;
    }
    for (const GLuint name : names.textures) {
        EXPECT_EQ(glIsTexture(name), alive ? GL_TRUE : GL_FALSE) << "texture " << name;
    }
}

TEST_F(ImportedMeshGLTest, ModelDeletesItsMeshesAndSharedTexturesWhenDestroyed)
{
    ModelNames names;
    {
        auto model = std::make_unique<ImportedModel>(writeCoveringModel());
        names = namesOf(*model);
        ASSERT_THAT(names.vertexArrays, SizeIs(2));
        ASSERT_THAT(names.textures, SizeIs(2));
        // Meshes were moved while the list grew; every name must still be live.
        expectAlive(names, true);

        // Moving the model hands the names over without deleting them.
        const ImportedModel moved = std::move(*model);
        model.reset();
        expectAlive(names, true);
        DrawProbe probe;
        probe.begin();
        EXPECT_EQ(probe.countPrimitives([&] { moved.draw(); }), 2u);
    }
    expectAlive(names, false);
}

TEST_F(ImportedMeshGLTest, MovedFromMeshDrawsNothing)
{
    MeshGeometry geometry;
    geometry.vertices.resize(3);
    geometry.vertices[0].position = {-1, -1, 0};
    geometry.vertices[1].position = {3, -1, 0};
    geometry.vertices[2].position = {-1, 3, 0};
    geometry.indices = {0, 1, 2};
    ImportedMesh mesh(std::move(geometry), {});
    const ImportedMesh taken = std::move(mesh);

    DrawProbe probe;
    probe.begin();
    EXPECT_EQ(probe.countPrimitives([&] { mesh.draw(); }), 0u);
    EXPECT_EQ(probe.countPrimitives([&] { taken.draw(); }), 1u);
}

} // namespace
} // namespace tavernrush
