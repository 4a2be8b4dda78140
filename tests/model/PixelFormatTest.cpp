// Material images keep their own channel count; each count has one GL format.

#include "model/MeshTextureLoader.h"

#include <gtest/gtest.h>

namespace tavernrush {
namespace {

TEST(PixelFormatTest, ChannelCountsMapToTheirFormats)
{
    EXPECT_EQ(pixelFormatForChannels(1), static_cast<GLenum>(GL_RED));
    EXPECT_EQ(pixelFormatForChannels(2), static_cast<GLenum>(GL_RG));
    EXPECT_EQ(pixelFormatForChannels(3), static_cast<GLenum>(GL_RGB));
    EXPECT_EQ(pixelFormatForChannels(4), static_cast<GLenum>(GL_RGBA));
    EXPECT_EQ(pixelFormatForChannels(0), 0u);
    EXPECT_EQ(pixelFormatForChannels(5), 0u);
}

} // namespace
} // namespace tavernrush
