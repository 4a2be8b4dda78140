// Material uniforms read back from the program, the rule that uniforms go to
// whichever program the caller made current, and texture replacement.

#include "render/Material.h"

#include "GlReadback.h"
#include "TestPrograms.h"
#include "support/GlTestContext.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace tavernrush {
namespace {

using testing::ScratchDirectory;

class MaterialGLTest : public testing::GlTest {
protected:
    void SetUp() override
    {
        GlTest::SetUp();
        testing::writeLitProgram(directory, "lit");
        testing::writeLitProgram(directory, "litTwin");
        picturePath = directory.writePng("surface.png", testing::distinctPixels(3, 2));
        shader = std::make_shared<Shader>("lit", false, directory.prefix());
    }

    MaterialPtr makeWoodMaterial()
    {
        return makeMaterial(shader, glm::vec3(1, 0, 0), glm::vec3(0.8f, 0.7f, 0.1f), 2.0f, picturePath);
    }

    ScratchDirectory directory;
    std::string picturePath;
    ShaderPtr shader;
};

TEST_F(MaterialGLTest, SetUniformsUploadsTheThreeSurfaceValues)
{
    const MaterialPtr material = makeWoodMaterial();
    shader->use();
    material->setUniforms();

    const GLuint program = shader->programName();
    EXPECT_EQ(testing::uniformVec3(program, "diffuseColor"), glm::vec3(1, 0, 0));
    EXPECT_EQ(testing::uniformVec3(program, "materialCoefficients"), glm::vec3(0.8f, 0.7f, 0.1f));
    EXPECT_EQ(testing::uniformFloat(program, "specularAlpha"), 2.0f);
    EXPECT_EQ(testing::currentProgram(), static_cast<GLint>(program));
}

TEST_F(MaterialGLTest, SetUniformsNeverSelectsAProgramItself)
{
    // A twin with the same source has the same uniform locations, so values
    // sent while it is current land in the twin, and the material's own
    // program keeps its initial zeros.
    const Shader twin("litTwin", false, directory.prefix());
    ASSERT_EQ(glGetUniformLocation(twin.programName(), "diffuseColor"),
              glGetUniformLocation(shader->programName(), "diffuseColor"));
    const MaterialPtr material = makeWoodMaterial();

    twin.use();
    material->setUniforms();

    EXPECT_EQ(testing::currentProgram(), static_cast<GLint>(twin.programName()));
    EXPECT_EQ(testing::uniformVec3(twin.programName(), "diffuseColor"), glm::vec3(1, 0, 0));
    EXPECT_EQ(testing::uniformVec3(shader->programName(), "diffuseColor"), glm::vec3(0));
    EXPECT_EQ(testing::uniformFloat(shader->programName(), "specularAlpha"), 0.0f);
}

TEST_F(MaterialGLTest, SharesTheProgramAndLoadsItsOwnTexture)
{
    const MaterialPtr material = makeWoodMaterial();
    EXPECT_EQ(material->shader(), shader);
    EXPECT_EQ(shader.use_count(), 2);
    ASSERT_NE(material->texture(), nullptr);
    EXPECT_EQ(material->texture()->width(), 3);
    EXPECT_EQ(material->texture()->height(), 2);
    EXPECT_EQ(material->texture().use_count(), 1);
}

TEST_F(MaterialGLTest, SetTextureLoadsAgainAndReleasesTheOldPicture)
{
    const MaterialPtr material = makeWoodMaterial();
    const GLuint original = material->texture()->handle();

    material->setTexture(picturePath);
    const GLuint second = material->texture()->handle();
    EXPECT_NE(second, original) << "the same path must be decoded again, not reused";
    EXPECT_FALSE(glIsTexture(original));

    material->setTexture(picturePath);
    EXPECT_NE(material->texture()->handle(), second);
    EXPECT_FALSE(glIsTexture(second));
    EXPECT_TRUE(glIsTexture(material->texture()->handle()));
}

TEST_F(MaterialGLTest, ReplacedTextureLivesOnWhileAnotherHolderHasIt)
{
    const MaterialPtr material = makeWoodMaterial();
    TexturePtr kept = material->texture();
    const GLuint handle = kept->handle();

    material->setTexture(directory.writePng("digit.png", testing::distinctPixels(2, 2)));
    EXPECT_TRUE(glIsTexture(handle));
    EXPECT_EQ(material->texture()->width(), 2);

    kept.reset();
    EXPECT_FALSE(glIsTexture(handle));
}

TEST_F(MaterialGLTest, MissingPictureGivesAnEmptyTextureAndOneLine)
{
    const std::string missing = directory.file("missing.jpg");
    ::testing::internal::CaptureStdout();
    const MaterialPtr material = makeMaterial(shader, glm::vec3(1), glm::vec3(1, 0.7f, 0.1f), 2.0f, missing);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "Texture failed to load at path: " + missing + "\n");
    EXPECT_EQ(material->texture()->width(), 0);
    EXPECT_EQ(material->texture()->height(), 0);
    EXPECT_TRUE(glIsTexture(material->texture()->handle()));
}

} // namespace
} // namespace tavernrush
