// The one console line a damaged model gives: it names the model file, also
// where Assimp reads on past the damage or its own message names no file.

#include "model/ImportedModel.h"

#include "ModelTestFiles.h"
#include "support/GlTestContext.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tavernrush {
namespace {

using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::SizeIs;
using ::testing::StartsWith;
using testing::CoutCapture;
using testing::TempDir;

const std::string triangle = "v 0 0 0\nv 1 0 0\nv 0 1 0\n";

class ImportReportGLTest : public testing::GlTest {
protected:
    // Imports `path` and returns what it printed.
    std::string importPrinting(const std::string& path, std::size_t expectedMeshes)
    {
        CoutCapture out;
        const ImportedModel model(path);
        EXPECT_THAT(model.meshes(), SizeIs(expectedMeshes));
        return out.text();
    }

    TempDir dir;
};

TEST_F(ImportReportGLTest, MissingMaterialFileIsNamedWithTheModel)
{
    const std::string path = dir.write("crate.obj", "mtllib crate.mtl\n" + triangle + "usemtl wood\nf 1 2 3\n");
    const std::string printed = importPrinting(path, 1);
    EXPECT_THAT(printed, StartsWith("ERROR::ASSIMP:: "));
    EXPECT_THAT(printed, AllOf(HasSubstr("crate.mtl"), HasSubstr("'" + path + "'")));
    EXPECT_EQ(printed.find('\n'), printed.size() - 1) << "one line: " << printed;
}

TEST_F(ImportReportGLTest, MaterialTheFileLacksIsNamedWithTheModel)
{
    dir.write("crate.mtl", "# cut off before any material\n");
    const std::string path = dir.write("crate.obj", "mtllib crate.mtl\n" + triangle + "usemtl wood\nf 1 2 3\n");
    const std::string printed = importPrinting(path, 1);
    EXPECT_THAT(printed, AllOf(StartsWith("ERROR::ASSIMP:: "), HasSubstr("wood"), HasSubstr("'" + path + "'")));
    EXPECT_EQ(printed.find('\n'), printed.size() - 1) << "one line: " << printed;
}

TEST_F(ImportReportGLTest, FileWithoutTrianglesSaysSoAndNamesTheFile)
{
    // What an OBJ file cut off inside its vertex list looks like: Assimp
    // makes the vertices a point cloud, which draws nothing.
    const std::string cut = dir.write("cut.obj", triangle + "v 1 1");
    EXPECT_EQ(importPrinting(cut, 1), "ERROR::ASSIMP:: No triangles found in '" + cut + "'\n");
    // Text that is no OBJ at all gives no mesh.
    const std::string text = dir.write("text.obj", "Dear innkeeper,\nthe ladder is broken.\n");
    EXPECT_EQ(importPrinting(text, 0), "ERROR::ASSIMP:: No triangles found in '" + text + "'\n");
}

TEST_F(ImportReportGLTest, ImporterMessageWithoutThePathGetsIt)
{
    const std::string path = dir.write("empty.obj", "");
    const std::string printed = importPrinting(path, 0);
    EXPECT_THAT(printed, AllOf(StartsWith("ERROR::ASSIMP:: "), HasSubstr("'" + path + "'")));
    EXPECT_EQ(printed.find('\n'), printed.size() - 1) << "one line: " << printed;
}

TEST_F(ImportReportGLTest, ImporterMessageThatNamesThePathIsLeftAlone)
{
    const std::string path = dir.file("absent.obj");
    const std::string printed = importPrinting(path, 0);
    EXPECT_THAT(printed, StartsWith("ERROR::ASSIMP:: "));
    EXPECT_EQ(printed.find(path), printed.rfind(path)) << "the path twice: " << printed;
}

// Missing normals and texture coordinates are filled in on purpose; the
// tangent step's complaint about them is no damage.
TEST_F(ImportReportGLTest, MeshWithoutNormalsOrUvsImportsQuietly)
{
    const std::string path = dir.write("bare.obj", triangle + "f 1 2 3\n");
    EXPECT_EQ(importPrinting(path, 1), "");
}

// Assimp's logger is process-wide: an import must leave it as it found it.
TEST_F(ImportReportGLTest, LaterImportsReportOnlyTheirOwnProblems)
{
    const std::string broken = dir.write("crate.obj", "mtllib crate.mtl\n" + triangle + "usemtl wood\nf 1 2 3\n");
    importPrinting(broken, 1);
    const std::string sound = dir.write("sound.obj", triangle + "f 1 2 3\n");
    EXPECT_EQ(importPrinting(sound, 1), "");
}

} // namespace
} // namespace tavernrush
