// The icon maker's picture rules: where the coin and its halo land, how the
// coin's edge blends, and that transparency never darkens a colour.
#include "IconComposer.h"
#include "RgbaImage.h"

#include <gtest/gtest.h>

namespace tavernrush::icon {
namespace {

RgbaImage filled(int width, int height, glm::vec4 colour)
{
    RgbaImage image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.set(x, y, colour);
        }
    }
    return image;
}

// Quarters in four colours, to see where each part of the face ends up.
RgbaImage quarters(int size)
{
    RgbaImage image(size, size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const bool right = x >= size / 2;
            const bool bottom = y >= size / 2;
            image.set(x, y, bottom ? (right ? glm::vec4(1.0f) : glm::vec4(0, 0, 1, 1))
                                   : (right ? glm::vec4(0, 1, 0, 1) : glm::vec4(1, 0, 0, 1)));
        }
    }
    return image;
}

// One step of 8-bit rounding either way.
constexpr float byteTolerance = 1.5f / 255.0f;

void expectColour(glm::vec4 actual, glm::vec4 expected, float tolerance = byteTolerance)
{
    for (int c = 0; c < 4; ++c) {
        EXPECT_NEAR(actual[c], expected[c], tolerance) << "channel " << c;
    }
}

TEST(RgbaImageTest, SamplesBlendNeighboursWithoutDarkeningAtTransparentPixels)
{
    RgbaImage image(2, 1);
    image.set(0, 0, glm::vec4(1.0f, 0.8f, 0.0f, 1.0f));
    image.set(1, 0, glm::vec4(0.0f)); // transparent black, as the halo's rim
    // Pixel centres sample exactly.
    expectColour(samplePremultiplied(image, {0.25f, 0.5f}), glm::vec4(1.0f, 0.8f, 0.0f, 1.0f));
    // Half way: half the coverage of the same gold, premultiplied.
    const glm::vec4 middle = samplePremultiplied(image, {0.5f, 0.5f});
    expectColour(middle, glm::vec4(0.5f, 0.4f, 0.0f, 0.5f));
    EXPECT_NEAR(middle.g / middle.a, 0.8f, byteTolerance) << "the transparent neighbour darkened the colour";
    // Outside the picture the border pixel repeats.
    expectColour(samplePremultiplied(image, {-3.0f, 0.5f}), glm::vec4(1.0f, 0.8f, 0.0f, 1.0f));
    expectColour(samplePremultiplied(RgbaImage(), {0.5f, 0.5f}), glm::vec4(0.0f));
}

TEST(IconComposerTest, PutsTheCoinFaceUprightInACentredDisc)
{
    const IconLayout layout{0.75f, 0.0f};
    const RgbaImage icon = composeIcon(quarters(64), RgbaImage(), 128, layout);
    ASSERT_EQ(icon.width, 128);
    ASSERT_EQ(icon.height, 128);
    ASSERT_EQ(icon.pixels.size(), 128u * 128u * 4u);

    // Inside the disc, away from the quarter lines: each quarter where it was.
    expectColour(icon.at(40, 40), glm::vec4(1, 0, 0, 1));
    expectColour(icon.at(88, 40), glm::vec4(0, 1, 0, 1));
    expectColour(icon.at(40, 88), glm::vec4(0, 0, 1, 1));
    expectColour(icon.at(88, 88), glm::vec4(1.0f));
    // The face's square corners are cut away: with no halo, nothing there.
    expectColour(icon.at(0, 0), glm::vec4(0.0f));
    expectColour(icon.at(20, 20), glm::vec4(0.0f));
    // Radius 48 pixels: just inside opaque, just outside clear.
    EXPECT_EQ(icon.at(64 + 46, 64).a, 1.0f);
    EXPECT_EQ(icon.at(64 + 49, 64).a, 0.0f);
}

TEST(IconComposerTest, BlendsTheCoinEdgeOverOnePixel)
{
    // A radius of 15.5 pixels puts the rim through the centre of pixel 47 of
    // row 32 (give or take the half pixel down to the row's centre).
    const IconLayout layout{31.0f / 64.0f, 0.0f};
    const RgbaImage icon = composeIcon(filled(8, 8, glm::vec4(1, 1, 0, 1)), RgbaImage(), 64, layout);
    // That pixel is half covered, and keeps its colour.
    const glm::vec4 rim = icon.at(47, 32);
    EXPECT_GT(rim.a, 0.3f);
    EXPECT_LT(rim.a, 0.7f);
    expectColour(glm::vec4(glm::vec3(rim), 1.0f), glm::vec4(1, 1, 0, 1), 2.0f / 255.0f / rim.a);
    // Alpha falls monotonically across the rim.
    for (int x = 40; x < 63; ++x) {
        EXPECT_GE(icon.at(x, 32).a, icon.at(x + 1, 32).a) << x;
    }
}

TEST(IconComposerTest, TheHaloFillsTheSquareBehindTheCoinStrengthenedByTheGain)
{
    const RgbaImage halo = filled(4, 4, glm::vec4(1.0f, 0.5f, 0.0f, 0.2f));
    const RgbaImage icon = composeIcon(filled(4, 4, glm::vec4(0, 0, 1, 1)), halo, 32, IconLayout{0.5f, 2.5f});
    // Outside the coin: the halo's colour at 2.5 times its coverage.
    expectColour(icon.at(0, 0), glm::vec4(1.0f, 0.5f, 0.0f, 0.5f));
    expectColour(icon.at(31, 31), glm::vec4(1.0f, 0.5f, 0.0f, 0.5f));
    // The opaque coin hides it completely.
    expectColour(icon.at(16, 16), glm::vec4(0, 0, 1, 1));
    // A gain past full coverage stops at opaque, colour unchanged.
    const RgbaImage strong = composeIcon(RgbaImage(), halo, 8, IconLayout{0.5f, 10.0f});
    expectColour(strong.at(0, 0), glm::vec4(1.0f, 0.5f, 0.0f, 1.0f));
}

TEST(IconComposerTest, DegenerateInputsGiveEmptyOrTransparentPictures)
{
    EXPECT_TRUE(composeIcon(quarters(8), quarters(8), 0).empty());
    EXPECT_TRUE(composeIcon(quarters(8), quarters(8), -5).empty());
    const RgbaImage nothing = composeIcon(RgbaImage(), RgbaImage(), 16);
    ASSERT_EQ(nothing.width, 16);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            ASSERT_EQ(nothing.at(x, y).a, 0.0f) << x << "," << y;
        }
    }
}

} // namespace
} // namespace tavernrush::icon
