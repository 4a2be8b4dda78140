// The sky cube map: which picture lands on which face, the vertical flip of
// each face, the one size all faces share, and faces that cannot be used.

#include "render/CubeMap.h"

#include "GlReadback.h"
#include "support/GlTestContext.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace tavernrush {
namespace {

using testing::Picture;
using testing::Rgba;
using testing::ScratchDirectory;

constexpr std::array<const char*, 6> faceFiles{"right.png", "left.png", "top.png",
                                               "bottom.png", "front.png", "back.png"};

// One plain colour per face, so a face that lands elsewhere is obvious.
constexpr std::array<Rgba, 6> faceColours{{{200, 0, 0, 255},
                                           {0, 200, 0, 255},
                                           {0, 0, 200, 255},
                                           {200, 200, 0, 255},
                                           {0, 200, 200, 255},
                                           {200, 0, 200, 255}}};

class CubeMapGLTest : public testing::GlTest {
protected:
    void writeFace(int face, const Picture& picture) { directory.writePng(faceFiles[face], picture); }

    void writePlainFaces(int size)
    {
        for (int face = 0; face < 6; ++face) {
            writeFace(face, Picture(size, size, faceColours[face]));
        }
    }

    CubeMap cube() const
    {
        return CubeMap(directory.prefix(), faceFiles[0], faceFiles[1], faceFiles[2], faceFiles[3], faceFiles[4],
                       faceFiles[5]);
    }

    // Loads `map`, returning what it printed.
    static std::string loadPrinting(CubeMap& map)
    {
        ::testing::internal::CaptureStdout();
        map.load();
        return ::testing::internal::GetCapturedStdout();
    }

    ScratchDirectory directory;
};

TEST_F(CubeMapGLTest, FacesLandOnPositiveXThroughNegativeZ)
{
    writePlainFaces(2);
    CubeMap map = cube();
    EXPECT_EQ(loadPrinting(map), "");
    for (int face = 0; face < 6; ++face) {
        const testing::TexelRows rows = testing::readCubeFace(map.handle(), face);
        ASSERT_EQ(rows.texels.size(), 4u) << "face " << face;
        EXPECT_EQ(rows.at(1, 1), faceColours[face]) << "face " << face;
    }
}

TEST_F(CubeMapGLTest, EachFaceIsFlippedSoItsTopRowComesFirst)
{
    writePlainFaces(3);
    const Picture picture = testing::distinctPixels(3, 3);
    writeFace(2, picture);
    CubeMap map = cube();
    loadPrinting(map);

    const testing::TexelRows rows = testing::readCubeFace(map.handle(), 2);
    for (int t = 0; t < 3; ++t) {
        for (int s = 0; s < 3; ++s) {
            EXPECT_EQ(rows.at(s, t), picture.at(s, t)) << "texel (" << s << ", " << t << ")";
        }
    }
}

// Square faces of different sizes make a cube GL samples as black
// everywhere; the odd one is named and left out like a non-square face.
TEST_F(CubeMapGLTest, FaceOfAnotherSizeIsReportedAndLeftEmpty)
{
    writePlainFaces(2);
    writeFace(5, Picture(3, 3, faceColours[5]));
    CubeMap map = cube();
    EXPECT_EQ(loadPrinting(map), "Texture failed to load at path: " + directory.file("back.png") + "\n");

    const std::array<int, 6> sizes{2, 2, 2, 2, 2, 0};
    for (int face = 0; face < 6; ++face) {
        EXPECT_EQ(testing::levelParameter(GL_TEXTURE_CUBE_MAP, map.handle(),
                                          static_cast<GLenum>(GL_TEXTURE_CUBE_MAP_POSITIVE_X + face), 0,
                                          GL_TEXTURE_WIDTH),
                  sizes[face])
            << "face " << face;
    }
    EXPECT_EQ(map.width(), 2);
    EXPECT_EQ(map.height(), 2);
}

// The size is set by the first face that loads, not by the first file.
TEST_F(CubeMapGLTest, SizeComesFromTheFirstFaceThatLoads)
{
    writePlainFaces(4);
    std::filesystem::remove(directory.file("right.png"));
    writeFace(1, Picture(4, 2, faceColours[1]));
    writeFace(3, Picture(2, 2, faceColours[3]));
    CubeMap map = cube();
    EXPECT_EQ(loadPrinting(map), "Texture failed to load at path: " + directory.file("right.png") + "\n" +
                                     "Texture failed to load at path: " + directory.file("left.png") + "\n" +
                                     "Texture failed to load at path: " + directory.file("bottom.png") + "\n");
    EXPECT_EQ(map.width(), 4);
    EXPECT_EQ(testing::readCubeFace(map.handle(), 2).at(3, 3), faceColours[2]);
}

TEST_F(CubeMapGLTest, StaysBoundAndSamplesLinearlyWithoutMipmaps)
{
    writePlainFaces(2);
    CubeMap map = cube();
    loadPrinting(map);
    EXPECT_EQ(testing::integerState(GL_TEXTURE_BINDING_CUBE_MAP), static_cast<GLint>(map.handle()));

    GLint minFilter = 0;
    GLint wrapR = 0;
    glGetTextureParameteriv(map.handle(), GL_TEXTURE_MIN_FILTER, &minFilter);
    glGetTextureParameteriv(map.handle(), GL_TEXTURE_WRAP_R, &wrapR);
    EXPECT_EQ(minFilter, GL_LINEAR);
    EXPECT_EQ(wrapR, GL_CLAMP_TO_EDGE);
}

TEST_F(CubeMapGLTest, OddWidthFaceIsNotShearedAndAlignmentIsRestored)
{
    writePlainFaces(3);
    const Picture picture = testing::distinctPixels(3, 3);
    directory.writePng(faceFiles[4], picture, 3);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 8);
    CubeMap map = cube();
    loadPrinting(map);

    EXPECT_EQ(testing::integerState(GL_UNPACK_ALIGNMENT), 8);
    const testing::TexelRows rows = testing::readCubeFace(map.handle(), 4);
    ASSERT_EQ(rows.texels.size(), 9u);
    for (int t = 0; t < 3; ++t) {
        for (int s = 0; s < 3; ++s) {
            EXPECT_EQ(rows.at(s, t), picture.at(s, t)) << "texel (" << s << ", " << t << ")";
        }
    }
}

TEST_F(CubeMapGLTest, MissingFaceIsReportedAndLeftEmpty)
{
    writePlainFaces(2);
    std::filesystem::remove(directory.file("top.png"));
    CubeMap map = cube();
    EXPECT_EQ(loadPrinting(map), "Texture failed to load at path: " + directory.file("top.png") + "\n");

    EXPECT_EQ(testing::levelParameter(GL_TEXTURE_CUBE_MAP, map.handle(), GL_TEXTURE_CUBE_MAP_POSITIVE_Y, 0,
                                      GL_TEXTURE_WIDTH),
              0);
    EXPECT_EQ(testing::readCubeFace(map.handle(), 5).at(0, 0), faceColours[5]);
    EXPECT_EQ(map.width(), 2) << "the size is the other faces', not the missing one's";
}

TEST_F(CubeMapGLTest, NonSquareFaceIsReportedInsteadOfUploaded)
{
    writePlainFaces(2);
    writeFace(1, Picture(4, 2, faceColours[1]));
    CubeMap map = cube();
    EXPECT_EQ(loadPrinting(map), "Texture failed to load at path: " + directory.file("left.png") + "\n");
    EXPECT_EQ(testing::levelParameter(GL_TEXTURE_CUBE_MAP, map.handle(), GL_TEXTURE_CUBE_MAP_NEGATIVE_X, 0,
                                      GL_TEXTURE_WIDTH),
              0);
}

TEST_F(CubeMapGLTest, DestructionDeletesTheTexture)
{
    writePlainFaces(2);
    GLuint handle = 0;
    {
        CubeMap map = cube();
        loadPrinting(map);
        handle = map.handle();
        EXPECT_TRUE(glIsTexture(handle));
    }
    EXPECT_FALSE(glIsTexture(handle));
}

} // namespace
} // namespace tavernrush
