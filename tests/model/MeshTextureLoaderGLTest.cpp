// Material images: every channel count stb_image can give reaches the GPU
// unsheared, and no broken file crashes or leaves the mesh without a texture.

#include "model/MeshTextureLoader.h"

#include "support/GlTestContext.h"
#include "ModelTestFiles.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace tavernrush {
namespace {

using testing::CoutCapture;
using testing::TempDir;

class MeshTextureLoaderGLTest : public testing::GlTest {
protected:
    // Level 0 of the texture as tightly packed bytes of the given format.
    std::vector<unsigned char> readBack(GLuint texture, GLenum format, int width, int height, int channels)
    {
        std::vector<unsigned char> pixels(static_cast<std::size_t>(width * height * channels));
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTextureImage(texture, 0, format, GL_UNSIGNED_BYTE, static_cast<GLsizei>(pixels.size()), pixels.data());
        glPixelStorei(GL_PACK_ALIGNMENT, 4);
        return pixels;
    }

    GLint textureParameter(GLuint texture, GLenum name)
    {
        GLint value = 0;
        glGetTextureParameteriv(texture, name, &value);
        return value;
    }

    GLint levelParameter(GLuint texture, GLint level, GLenum name)
    {
        GLint value = 0;
        glGetTextureLevelParameteriv(texture, level, name, &value);
        return value;
    }

    TempDir dir;
};

// Odd widths with 1 to 3 channels give rows that are not a multiple of 4
// bytes: the upload must not assume the default unpack alignment.
class ChannelCountGLTest : public MeshTextureLoaderGLTest, public ::testing::WithParamInterface<int> {};

TEST_P(ChannelCountGLTest, OddWidthImageReadsBackUnchanged)
{
    const int channels = GetParam();
    constexpr int width = 5;
    constexpr int height = 3;
    std::vector<unsigned char> pixels;
    for (int i = 0; i < width * height * channels; ++i) {
        pixels.push_back(static_cast<unsigned char>(17 * i + 3));
    }
    dir.writePng("image.png", width, height, channels, pixels);

    CoutCapture out;
    const TextureName texture = loadImageTexture("image.png", dir.path().string());
    EXPECT_EQ(out.text(), "");

    const GLenum format = pixelFormatForChannels(channels);
    EXPECT_EQ(levelParameter(texture.get(), 0, GL_TEXTURE_WIDTH), width);
    EXPECT_EQ(levelParameter(texture.get(), 0, GL_TEXTURE_HEIGHT), height);
    EXPECT_EQ(readBack(texture.get(), format, width, height, channels), pixels);
    // Mipmapped down to 1 x 1, repeating, trilinear.
    EXPECT_EQ(levelParameter(texture.get(), 2, GL_TEXTURE_WIDTH), 1);
    EXPECT_EQ(textureParameter(texture.get(), GL_TEXTURE_WRAP_S), GL_REPEAT);
    EXPECT_EQ(textureParameter(texture.get(), GL_TEXTURE_WRAP_T), GL_REPEAT);
    EXPECT_EQ(textureParameter(texture.get(), GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_LINEAR);
    EXPECT_EQ(textureParameter(texture.get(), GL_TEXTURE_MAG_FILTER), GL_LINEAR);
}

INSTANTIATE_TEST_SUITE_P(Channels, ChannelCountGLTest, ::testing::Values(1, 2, 3, 4));

TEST_F(MeshTextureLoaderGLTest, GreyAlphaImageIsRgShowingGreyInColourAndAlpha)
{
    dir.writePng("grey_alpha.png", 1, 1, 2, {200, 50});
    const TextureName texture = loadImageTexture("grey_alpha.png", dir.path().string());

    EXPECT_EQ(levelParameter(texture.get(), 0, GL_TEXTURE_RED_SIZE), 8);
    EXPECT_EQ(levelParameter(texture.get(), 0, GL_TEXTURE_GREEN_SIZE), 8);
    EXPECT_EQ(levelParameter(texture.get(), 0, GL_TEXTURE_BLUE_SIZE), 0);
    GLint swizzle[4] = {};
    glGetTextureParameteriv(texture.get(), GL_TEXTURE_SWIZZLE_RGBA, swizzle);
    EXPECT_EQ(swizzle[0], GL_RED);
    EXPECT_EQ(swizzle[1], GL_RED);
    EXPECT_EQ(swizzle[2], GL_RED);
    EXPECT_EQ(swizzle[3], GL_GREEN);
}

TEST_F(MeshTextureLoaderGLTest, UnpackAlignmentIsPutBack)
{
    dir.writeSolidPng("grey.png", 3, 3, {9});
    glPixelStorei(GL_UNPACK_ALIGNMENT, 8);
    const TextureName texture = loadImageTexture("grey.png", dir.path().string());
    GLint alignment = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    EXPECT_EQ(alignment, 8);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
}

TEST_F(MeshTextureLoaderGLTest, PathIsJoinedToTheDirectoryWithASlash)
{
    dir.writeSolidPng("models/maps/wood.png", 2, 2, {10, 20, 30});
    CoutCapture out;
    const TextureName texture = loadImageTexture("maps/wood.png", dir.file("models"));
    EXPECT_EQ(out.text(), "");
    EXPECT_EQ(levelParameter(texture.get(), 0, GL_TEXTURE_WIDTH), 2);
}

// Each broken image prints one line naming the material's path (not the
// joined file name) and still gives a texture name the mesh can bind.
struct BrokenImage {
    const char* name;
    std::string (*make)(const TempDir& dir, int maxTextureSize);
};

void PrintTo(const BrokenImage& image, std::ostream* out) { *out << image.name; }

std::string validPngBytes(const TempDir& dir)
{
    const std::string file = dir.writeSolidPng("valid.png", 4, 4, {1, 2, 3, 4});
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const BrokenImage brokenImages[] = {
    {"Missing", [](const TempDir&, int) { return std::string(); }},
    {"ZeroLength", [](const TempDir& dir, int) { return dir.write("broken.png", ""); }},
    {"Garbage", [](const TempDir& dir, int) { return dir.write("broken.png", std::string(300, '\x5a')); }},
    {"Truncated", [](const TempDir& dir, int) { return dir.write("broken.png", validPngBytes(dir).substr(0, 45)); }},
    {"Directory",
     [](const TempDir& dir, int) {
         std::filesystem::create_directories(dir.path() / "broken.png");
         return dir.file("broken.png");
     }},
    {"HeaderClaimsHugeSize",
     [](const TempDir& dir, int) {
         // IHDR width and height (big-endian at bytes 16 and 20) patched to
         // 1,000,000 each; stb_image does not check the chunk CRC.
         std::string bytes = validPngBytes(dir);
         const std::string huge("\x00\x0f\x42\x40", 4);
         bytes.replace(16, 4, huge);
         bytes.replace(20, 4, huge);
         return dir.write("broken.png", bytes);
     }},
    {"WiderThanTheDriverTakes",
     [](const TempDir& dir, int maxTextureSize) {
         return dir.writeSolidPng("broken.png", maxTextureSize + 1, 1, {128});
     }},
};

class BrokenImageGLTest : public MeshTextureLoaderGLTest, public ::testing::WithParamInterface<BrokenImage> {};

TEST_P(BrokenImageGLTest, ReportsThePathAndGivesATextureWithoutImage)
{
    GLint maxTextureSize = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxTextureSize);
    GetParam().make(dir, maxTextureSize);

    CoutCapture out;
    const TextureName texture = loadImageTexture("broken.png", dir.path().string());
    EXPECT_EQ(out.text(), "Texture failed to load at path: broken.png\n");
    ASSERT_NE(texture.get(), 0u);

    // Binding the name makes it a texture with no image: width 0.
    glBindTexture(GL_TEXTURE_2D, texture.get());
    GLint width = -1;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    EXPECT_EQ(width, 0);
    glBindTexture(GL_TEXTURE_2D, 0);
}

INSTANTIATE_TEST_SUITE_P(Images, BrokenImageGLTest, ::testing::ValuesIn(brokenImages),
                         [](const ::testing::TestParamInfo<BrokenImage>& info) { return std::string(info.param.name); });

} // namespace
} // namespace tavernrush
