// Texture paths are relative to the model's directory; only "/" separates.

#include "model/ImportedModel.h"

#include <gtest/gtest.h>

namespace tavernrush {
namespace {

TEST(ModelDirectoryTest, DirectoryIsThePathUpToItsLastForwardSlash)
{
    EXPECT_EQ(modelDirectory("assets/meshes/klo.obj"), "assets/meshes");
    EXPECT_EQ(modelDirectory("/klo.obj"), "");
    EXPECT_EQ(modelDirectory("klo.obj"), "klo.obj");
    // Only the forward slash separates.
    EXPECT_EQ(modelDirectory("assets\\klo.obj"), "assets\\klo.obj");
}

} // namespace
} // namespace tavernrush
