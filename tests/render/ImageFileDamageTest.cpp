// Picture files that are damaged rather than missing: a decoder that can
// still make something of them must not hand that on as the picture.

#include "render/ImageFile.h"

#include "render/DdsHeader.h"

#include "TestFiles.h"

#include <gtest/gtest.h>
#include <stb_image_write.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace tavernrush {
namespace {

using testing::Picture;
using testing::ScratchDirectory;

std::string readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Rewrites `path` with its first `keep` bytes.
void cutTo(const std::string& path, std::size_t keep)
{
    const std::string bytes = readBytes(path);
    ASSERT_LT(keep, bytes.size());
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes.substr(0, keep);
}

class ImageFileDamageTest : public ::testing::Test {
protected:
    // Big enough that a JPEG has many scan lines left to lose.
    const Picture picture = testing::distinctPixels(64, 64);
    ScratchDirectory directory;
};

TEST_F(ImageFileDamageTest, IntactJpegAndDdsLoad)
{
    const ImageFile jpeg = ImageFile::load(directory.writeJpeg("whole.jpg", picture), false);
    const ImageFile dds = ImageFile::load(directory.writeDds("whole.dds", picture), false);
    EXPECT_FALSE(jpeg.empty());
    EXPECT_EQ(jpeg.width(), 64);
    EXPECT_FALSE(dds.empty());
    EXPECT_EQ(dds.height(), 64);
}

// libjpeg fills what is missing with grey and only warns; the warning marks
// the picture as damaged.
TEST_F(ImageFileDamageTest, JpegCutShortGivesAnEmptyImage)
{
    const std::string path = directory.writeJpeg("cut.jpg", picture);
    cutTo(path, readBytes(path).size() / 2);
    EXPECT_TRUE(ImageFile::load(path, false).empty());
}

TEST_F(ImageFileDamageTest, DdsCutShortGivesAnEmptyImage)
{
    const std::string path = directory.writeDds("cut.dds", picture);
    cutTo(path, readBytes(path).size() - 1);
    EXPECT_TRUE(ImageFile::load(path, false).empty());
    EXPECT_TRUE(ImageFile::load(path, true).empty()) << "cube faces go the same way";
}

TEST_F(ImageFileDamageTest, PngCutShortGivesAnEmptyImage)
{
    const std::string path = directory.writePng("cut.png", picture);
    cutTo(path, readBytes(path).size() / 2);
    EXPECT_TRUE(ImageFile::load(path, false).empty());
}

// Stray bytes before a marker make libjpeg warn, but every pixel is there:
// FreeImage passes the warning on, and the picture must still be drawn.
TEST_F(ImageFileDamageTest, JpegWithStrayBytesBeforeAMarkerLoadsWhole)
{
    const std::string whole = directory.writeJpeg("whole.jpg", picture);
    std::string bytes = readBytes(whole);
    const std::size_t quantTable = bytes.find("\xff\xdb");
    ASSERT_NE(quantTable, std::string::npos);
    bytes.insert(quantTable, "\x05\x05");
    const std::string stray = directory.writeText("stray.jpg", bytes);

    const ImageFile expected = ImageFile::load(whole, false);
    const ImageFile image = ImageFile::load(stray, false);
    ASSERT_FALSE(image.empty());
    ASSERT_EQ(image.width(), 64);
    ASSERT_EQ(image.pitch(), expected.pitch());
    EXPECT_TRUE(std::equal(image.bits(), image.bits() + 64 * image.pitch(), expected.bits()));
}

// libjpeg hands on only its first warning: a harmless one must not hide the
// loss of the picture's second half behind it.
TEST_F(ImageFileDamageTest, JpegWithStrayBytesAndCutShortGivesAnEmptyImage)
{
    std::string bytes = readBytes(directory.writeJpeg("whole.jpg", picture));
    bytes.insert(bytes.find("\xff\xdb"), "\x05\x05");
    const std::string path = directory.writeText("stray-cut.jpg", bytes.substr(0, bytes.size() / 2));
    EXPECT_TRUE(ImageFile::load(path, false).empty());
}

// A picture no texture can take is refused from its header, before the
// decoder takes memory for it.
TEST_F(ImageFileDamageTest, PictureWiderThanAnyTextureGivesAnEmptyImage)
{
    const auto widest = static_cast<int>(largestPictureSide);
    EXPECT_FALSE(ImageFile::load(directory.writePng("widest.png", Picture(widest, 1)), false).empty());
    EXPECT_TRUE(ImageFile::load(directory.writePng("wider.png", Picture(widest + 1, 1)), false).empty());
    EXPECT_TRUE(ImageFile::load(directory.writeJpeg("wider.jpg", Picture(1, widest + 1)), false).empty());
}

// The game ships JPEG, PNG and DDS; FreeImage's other readers are not given
// outside files (its TGA reader leaves pixels of a damaged file unset).
TEST_F(ImageFileDamageTest, PictureOfAnotherFormatGivesAnEmptyImage)
{
    std::vector<std::uint8_t> tga;
    const auto append = [](void* context, void* data, int size) {
        auto* out = static_cast<std::vector<std::uint8_t>*>(context);
        out->insert(out->end(), static_cast<std::uint8_t*>(data), static_cast<std::uint8_t*>(data) + size);
    };
    const std::vector<std::uint8_t> pixels(4 * 4 * 3, 200);
    ASSERT_NE(stbi_write_tga_to_func(append, &tga, 4, 4, 3, pixels.data()), 0);
    EXPECT_TRUE(ImageFile::decode(tga, "picture.tga", false).empty());
    EXPECT_TRUE(ImageFile::decode(tga, "picture.jpg", false).empty());
}

// A complaint about one file must not stick to the next.
TEST_F(ImageFileDamageTest, IntactPictureAfterADamagedOneStillLoads)
{
    const std::string cut = directory.writeJpeg("cut.jpg", picture);
    cutTo(cut, readBytes(cut).size() / 2);
    ASSERT_TRUE(ImageFile::load(cut, false).empty());
    EXPECT_FALSE(ImageFile::load(directory.writeJpeg("whole.jpg", picture), false).empty());
}

} // namespace
} // namespace tavernrush
