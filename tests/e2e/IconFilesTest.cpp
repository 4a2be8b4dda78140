// The icon maker's file side: a written PNG reads back pixel for pixel, top
// row first, alpha kept; unreadable input gives nothing rather than garbage.
#include "IconFiles.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

namespace tavernrush::icon {
namespace {

TEST(IconFilesTest, APngReadsBackExactlyAndTheRightWayUp)
{
    const e2e::TemporaryFolder folder("icon files");
    RgbaImage picture(3, 2);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            picture.set(x, y, glm::vec4(static_cast<float>(x) / 2.0f, static_cast<float>(y), 0.25f,
                                        0.2f + 0.3f * static_cast<float>(x)));
        }
    }
    const auto path = folder.path() / "round trip.png";
    ASSERT_TRUE(savePng(picture, path));

    const auto loaded = loadPicture(path);
    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(loaded->width, 3);
    EXPECT_EQ(loaded->height, 2);
    EXPECT_EQ(loaded->pixels, picture.pixels);
    EXPECT_EQ(e2e::readWholeFile(path).substr(1, 3), "PNG");
}

TEST(IconFilesTest, MissingOrUndecodableFilesGiveNothing)
{
    const e2e::TemporaryFolder folder("icon files");
    EXPECT_FALSE(loadPicture(folder.path() / "absent.png").has_value());
    e2e::writeWholeFile(folder.path() / "text.png", "this is not a picture");
    EXPECT_FALSE(loadPicture(folder.path() / "text.png").has_value());
    EXPECT_FALSE(savePng(RgbaImage(), folder.path() / "empty.png"));
    EXPECT_FALSE(savePng(RgbaImage(2, 2), folder.path() / "no such folder" / "x.png"));
}

} // namespace
} // namespace tavernrush::icon
