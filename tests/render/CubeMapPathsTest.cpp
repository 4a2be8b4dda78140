// Which file lands on which cube face is fixed by the order of the paths.

#include "render/CubeMap.h"

#include <gtest/gtest.h>

namespace tavernrush {
namespace {

TEST(CubeMapPathsTest, FacePathsFollowTheCubeFaceOrder)
{
    const CubeMap cube("sky/", "r.png", "l.png", "t.png", "b.png", "f.png", "k.png");
    EXPECT_EQ(cube.facePaths(),
              (std::vector<std::string>{"sky/r.png", "sky/l.png", "sky/t.png", "sky/b.png", "sky/f.png", "sky/k.png"}));
    EXPECT_EQ(cube.handle(), 0u) << "construction must not touch GL";
}

} // namespace
} // namespace tavernrush
