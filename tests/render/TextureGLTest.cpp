// 2D textures from picture files: orientation, size, channel order and row
// alignment read back from GL, and the empty texture of a bad file.

#include "render/GlName.h"
#include "render/Texture.h"

#include "GlReadback.h"
#include "support/GlTestContext.h"

#include <glm/glm.hpp>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

namespace tavernrush {
namespace {

using testing::Picture;
using testing::Rgba;
using testing::ScratchDirectory;
using testing::TexelRows;

// A texture shows the picture with its bottom row at t = 0.
void expectUprightPicture(const TexelRows& rows, const Picture& picture, int allowedDifference = 0)
{
    ASSERT_EQ(rows.width, picture.width);
    ASSERT_EQ(rows.height, picture.height);
    for (int t = 0; t < rows.height; ++t) {
        for (int s = 0; s < rows.width; ++s) {
            const Rgba& expected = picture.at(s, picture.height - 1 - t);
            EXPECT_LE(testing::channelDistance(rows.at(s, t), expected), allowedDifference)
                << "texel (" << s << ", " << t << ")";
        }
    }
}

class TextureGLTest : public testing::GlTest {
protected:
    // Loads `path`, returning the texture and whatever it printed.
    std::pair<TexturePtr, std::string> loadPrinting(const std::string& path)
    {
        ::testing::internal::CaptureStdout();
        TexturePtr texture = makeTexture(path);
        return {texture, ::testing::internal::GetCapturedStdout()};
    }

    TexturePtr loadQuietly(const std::string& path)
    {
        auto [texture, printed] = loadPrinting(path);
        EXPECT_EQ(printed, "");
        return texture;
    }

    ScratchDirectory directory;
};

TEST_F(TextureGLTest, BottomRowOfThePictureIsUploadedFirst)
{
    Picture picture = testing::distinctPixels(3, 2);
    picture.at(0, 1) = Rgba{255, 0, 0, 255}; // bottom-left red
    const TexturePtr texture = loadQuietly(directory.writePng("wide.png", picture));

    EXPECT_EQ(texture->width(), 3);
    EXPECT_EQ(texture->height(), 2);
    const TexelRows rows = testing::read2D(texture->handle());
    EXPECT_EQ(rows.at(0, 0), (Rgba{255, 0, 0, 255}));
    expectUprightPicture(rows, picture);
}

TEST_F(TextureGLTest, OddWidthRgbPictureIsNotSheared)
{
    // Three 3-byte pixels make rows that are not a multiple of four bytes.
    const Picture picture = testing::distinctPixels(3, 3);
    const TexturePtr texture = loadQuietly(directory.writePng("odd.png", picture, 3));
    expectUprightPicture(testing::read2D(texture->handle()), picture);
}

TEST_F(TextureGLTest, JpegComesOutUprightWithOpaqueAlpha)
{
    const Picture picture = testing::distinctPixels(3, 3);
    const TexturePtr texture = loadQuietly(directory.writeJpeg("odd.jpg", picture));
    // Top-quality JPEG without subsampling still rounds through the DCT; a
    // few steps per channel, far below the 40 steps between neighbours.
    expectUprightPicture(testing::read2D(texture->handle()), picture, 12);
    EXPECT_EQ(testing::levelParameter(GL_TEXTURE_2D, texture->handle(), GL_TEXTURE_2D, 0, GL_TEXTURE_ALPHA_SIZE), 8);
}

TEST_F(TextureGLTest, DdsPictureComesOutUpright)
{
    Picture picture = testing::distinctPixels(3, 2);
    picture.at(2, 0).a = 128; // alpha survives too
    const TexturePtr texture = loadQuietly(directory.writeDds("coin.dds", picture));
    EXPECT_EQ(texture->width(), 3);
    EXPECT_EQ(texture->height(), 2);
    expectUprightPicture(testing::read2D(texture->handle()), picture);
}

TEST_F(TextureGLTest, IsMipmappedAndClampedForSampling)
{
    const TexturePtr texture = loadQuietly(directory.writePng("mip.png", testing::distinctPixels(4, 2)));
    const GLuint handle = texture->handle();
    EXPECT_EQ(testing::levelParameter(GL_TEXTURE_2D, handle, GL_TEXTURE_2D, 1, GL_TEXTURE_WIDTH), 2);
    EXPECT_EQ(testing::levelParameter(GL_TEXTURE_2D, handle, GL_TEXTURE_2D, 2, GL_TEXTURE_WIDTH), 1);
    EXPECT_EQ(testing::levelParameter(GL_TEXTURE_2D, handle, GL_TEXTURE_2D, 2, GL_TEXTURE_HEIGHT), 1);

    GLint minFilter = 0;
    GLint wrapS = 0;
    GLint wrapT = 0;
    glGetTextureParameteriv(handle, GL_TEXTURE_MIN_FILTER, &minFilter);
    glGetTextureParameteriv(handle, GL_TEXTURE_WRAP_S, &wrapS);
    glGetTextureParameteriv(handle, GL_TEXTURE_WRAP_T, &wrapT);
    EXPECT_EQ(minFilter, GL_LINEAR_MIPMAP_LINEAR);
    EXPECT_EQ(wrapS, GL_CLAMP_TO_EDGE);
    EXPECT_EQ(wrapT, GL_CLAMP_TO_EDGE);
}

// The smaller levels are made on the CPU for pictures whose sides halve
// exactly and by the driver otherwise. On llvmpipe, the driver the game's
// screenshots are taken with, both must give the very texels the driver's
// own glGenerateMipmap gives; elsewhere they may round differently.
TEST_F(TextureGLTest, SmallerLevelsAreTheOnesTheDriverWouldMake)
{
    const std::string renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    const int allowed = renderer.rfind("llvmpipe", 0) == 0 ? 0 : 1;
    for (const glm::ivec2& size : {glm::ivec2(16, 8), glm::ivec2(1, 4), glm::ivec2(6, 5)}) {
        SCOPED_TRACE(std::to_string(size.x) + " x " + std::to_string(size.y));
        testing::Picture picture = testing::distinctPixels(size.x, size.y);
        for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
            // Odd and even neighbours, so every rounding shows.
            picture.pixels[i].r = static_cast<std::uint8_t>((i * 37 + 11) % 256);
            picture.pixels[i].a = static_cast<std::uint8_t>((i * 101) % 256);
        }
        const TexturePtr texture = loadQuietly(directory.writePng("levels.png", picture));

        TextureName driverMade = createTexture();
        glBindTexture(GL_TEXTURE_2D, driverMade.get());
        const testing::TexelRows top = testing::read2D(texture->handle());
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, top.width, top.height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                     top.texels.data());
        glGenerateMipmap(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, 0);

        int level = 1;
        for (int side = std::max(size.x, size.y); side > 1; side /= 2, ++level) {
            const testing::TexelRows ours = testing::read2D(texture->handle(), level);
            const testing::TexelRows drivers = testing::read2D(driverMade.get(), level);
            ASSERT_EQ(ours.width, drivers.width) << "level " << level;
            ASSERT_EQ(ours.height, drivers.height) << "level " << level;
            for (std::size_t i = 0; i < ours.texels.size(); ++i) {
                EXPECT_LE(testing::channelDistance(ours.texels[i], drivers.texels[i]), allowed)
                    << "level " << level << ", texel " << i;
            }
        }
    }
}

TEST_F(TextureGLTest, LeavesNoTextureBound)
{
    const TexturePtr earlier = loadQuietly(directory.writePng("a.png", testing::distinctPixels(2, 2)));
    glBindTexture(GL_TEXTURE_2D, earlier->handle());
    const TexturePtr texture = loadQuietly(directory.file("a.png"));
    EXPECT_EQ(testing::integerState(GL_TEXTURE_BINDING_2D), 0);
}

class UnpackAlignmentTest : public TextureGLTest, public ::testing::WithParamInterface<GLint> {};

TEST_P(UnpackAlignmentTest, UploadIgnoresAndRestoresTheCallersAlignment)
{
    const Picture picture = testing::distinctPixels(3, 3);
    const std::string path = directory.writePng("odd.png", picture, 3);
    glPixelStorei(GL_UNPACK_ALIGNMENT, GetParam());

    const TexturePtr texture = loadQuietly(path);

    EXPECT_EQ(testing::integerState(GL_UNPACK_ALIGNMENT), GetParam());
    expectUprightPicture(testing::read2D(texture->handle()), picture);
}

INSTANTIATE_TEST_SUITE_P(Alignments, UnpackAlignmentTest, ::testing::Values(1, 2, 8));

TEST_F(TextureGLTest, MissingFileGivesAnEmptyTextureAndOneLine)
{
    const std::string path = directory.file("nowhere.jpg");
    const auto [texture, printed] = loadPrinting(path);
    EXPECT_EQ(printed, "Texture failed to load at path: " + path + "\n");
    EXPECT_EQ(texture->width(), 0);
    EXPECT_EQ(texture->height(), 0);
    EXPECT_TRUE(glIsTexture(texture->handle()));
    EXPECT_EQ(testing::levelParameter(GL_TEXTURE_2D, texture->handle(), GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH), 0);
    EXPECT_EQ(testing::integerState(GL_TEXTURE_BINDING_2D), 0);
}

TEST_F(TextureGLTest, UndecodableFileGivesAnEmptyTextureAndOneLine)
{
    const std::string path = directory.writeText("broken.png", "not a picture at all");
    const auto [texture, printed] = loadPrinting(path);
    EXPECT_EQ(printed, "Texture failed to load at path: " + path + "\n");
    EXPECT_EQ(texture->width(), 0);
    EXPECT_TRUE(glIsTexture(texture->handle()));
}

TEST_F(TextureGLTest, LastHolderDeletesTheTexture)
{
    TexturePtr texture = loadQuietly(directory.writePng("a.png", testing::distinctPixels(2, 2)));
    const GLuint handle = texture->handle();
    TexturePtr secondHolder = texture;
    texture.reset();
    EXPECT_TRUE(glIsTexture(handle));
    secondHolder.reset();
    EXPECT_FALSE(glIsTexture(handle));
}

} // namespace
} // namespace tavernrush
