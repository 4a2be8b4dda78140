// The turns applied to pictures for the game's sphere, coin and can shapes.
// Each case follows one surface point through the game's own texture
// coordinate formula and its bottom-row-first upload, and checks that the
// viewer sees the upright picture at the matching place.
#include "PictureWrapping.h"
#include "readback/GameDecoders.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tavernrush::assetgen {
namespace {

constexpr float pi = 3.14159265f;

// An upright picture whose red channel is the column and green the row
// (both 0..1 from the top-left), so a sample tells where it came from.
Image coordinatePicture(int width, int height)
{
    Image image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.at(x, y) = glm::vec4((static_cast<float>(x) + 0.5f) / static_cast<float>(width),
                                       (static_cast<float>(y) + 0.5f) / static_cast<float>(height), 0.0f, 1.0f);
        }
    }
    return image;
}

TEST(PictureWrapping, SphereShowsTheUprightMapNorthUpEastRight)
{
    const Image file = sphereFileFromUpright(coordinatePicture(256, 128));
    // A viewer on +z looking at the sphere: up is +y, right is +x.
    const float step = 0.2f;
    for (float right = -0.6f; right <= 0.61f; right += step) {
        for (float up = -0.6f; up <= 0.61f; up += step) {
            const glm::vec3 p(right, up, std::sqrt(1.0f - right * right - up * up));
            // The game's sphere: p = (sin t cos f, cos t, sin t sin f), uv = (f / 2pi, t / pi).
            const float theta = std::acos(p.y);
            float phi = std::atan2(p.z, p.x);
            if (phi < 0.0f) {
                phi += 2.0f * pi;
            }
            const glm::vec4 seen = sampleTexture(file, TextureKind::GamePicture, {phi / (2.0f * pi), theta / pi});
            // Further right on screen is further right in the picture, higher is higher.
            const glm::vec2 expected(1.0f - phi / (2.0f * pi), theta / pi);
            EXPECT_NEAR(seen.r, expected.x, 0.01f) << right << "," << up;
            EXPECT_NEAR(seen.g, expected.y, 0.01f) << right << "," << up;
        }
    }
    // Moving right across the front strictly moves right through the picture.
    const auto columnAt = [&](float x) {
        const float phi = std::atan2(std::sqrt(1.0f - x * x), x);
        return sampleTexture(file, TextureKind::GamePicture, {phi / (2.0f * pi), 0.5f}).r;
    };
    EXPECT_LT(columnAt(-0.5f), columnAt(0.0f));
    EXPECT_LT(columnAt(0.0f), columnAt(0.5f));
}

TEST(PictureWrapping, CoinFrontShowsTheUprightFace)
{
    const Image file = coinFaceFileFromUpright(coordinatePicture(64, 64));
    // The coin cylinder (radius r) turned 90 degrees about x: a front-cap
    // point (x, y) in the world comes from the cap point (x, -y), whose
    // texture coordinate is (x / r / 2 + 1/2, z / r / 2 + 1/2).
    const float r = 0.7f;
    for (float x = -0.6f; x <= 0.61f; x += 0.3f) {
        for (float y = -0.6f; y <= 0.61f; y += 0.3f) {
            const float localZ = -y;
            const glm::vec4 seen = sampleTexture(file, TextureKind::GamePicture, {x / r * 0.5f + 0.5f, localZ / r * 0.5f + 0.5f});
            EXPECT_NEAR(seen.r, x / r * 0.5f + 0.5f, 0.02f);
            EXPECT_NEAR(seen.g, 0.5f - y / r * 0.5f, 0.02f) << "higher on the coin must be higher in the picture";
        }
    }
}

TEST(PictureWrapping, CanLabelReadsLeftToRightAroundTheCan)
{
    const Image file = canLabelFileFromUpright(coordinatePicture(128, 64));
    // The can: side point at angle a = 2 pi u with position (cos a, y, sin a),
    // texture coordinate (u, t) with t = 0 at the bottom.
    for (float a = 0.6f; a <= 2.5f; a += 0.3f) {
        for (float t = 0.1f; t <= 0.91f; t += 0.2f) {
            const glm::vec4 seen = sampleTexture(file, TextureKind::GamePicture, {a / (2.0f * pi), t});
            // Seen from +z, smaller angles lie further right.
            EXPECT_NEAR(seen.r, 1.0f - a / (2.0f * pi), 0.02f);
            EXPECT_NEAR(seen.g, 1.0f - t, 0.02f);
        }
    }
}

} // namespace
} // namespace tavernrush::assetgen
