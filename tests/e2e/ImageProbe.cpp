#include "ImageProbe.h"

#include <stb_image.h>
#include <stb_image_write.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace tavernrush::e2e {
namespace {

constexpr int channels = 3;

bool inside(const PixelRing& ring, int x, int y)
{
    const float distance = glm::length(glm::vec2(static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f) -
                                       ring.centre);
    return distance >= ring.inner && distance < ring.outer;
}

PixelBox boundsOf(const PixelRing& ring)
{
    return boxAround(ring.centre, static_cast<int>(std::ceil(ring.outer)) + 1);
}

} // namespace

PixelBox boxAround(glm::vec2 centre, int halfSize)
{
    const int x = static_cast<int>(std::floor(centre.x));
    const int y = static_cast<int>(std::floor(centre.y));
    return {x - halfSize, y - halfSize, x + halfSize + 1, y + halfSize + 1};
}

ScreenImage::ScreenImage(int width, int height)
    : width_(std::max(width, 0)), height_(std::max(height, 0)),
      rgb_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_) * channels, 0)
{
}

std::optional<ScreenImage> ScreenImage::load(const std::filesystem::path& path)
{
    int width = 0;
    int height = 0;
    int fileChannels = 0;
    stbi_uc* pixels = stbi_load(path.c_str(), &width, &height, &fileChannels, channels);
    if (pixels == nullptr) {
        return std::nullopt;
    }
    ScreenImage image(width, height);
    std::copy(pixels, pixels + image.rgb_.size(), image.rgb_.begin());
    stbi_image_free(pixels);
    return image;
}

std::size_t ScreenImage::offsetOf(int x, int y) const
{
    return (static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)) * channels;
}

glm::ivec3 ScreenImage::pixel(int x, int y) const
{
    const std::size_t at = offsetOf(x, y);
    return {rgb_[at], rgb_[at + 1], rgb_[at + 2]};
}

void ScreenImage::setPixel(int x, int y, glm::ivec3 rgb)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return;
    }
    const std::size_t at = offsetOf(x, y);
    for (int channel = 0; channel < channels; ++channel) {
        rgb_[at + static_cast<std::size_t>(channel)] = static_cast<std::uint8_t>(std::clamp(rgb[channel], 0, 255));
    }
}

Colour ScreenImage::meanWhere(const PixelBox& box, const std::function<bool(int, int)>& counts) const
{
    glm::dvec3 sum(0.0);
    long count = 0;
    for (int y = std::max(box.top, 0); y < std::min(box.bottom, height_); ++y) {
        for (int x = std::max(box.left, 0); x < std::min(box.right, width_); ++x) {
            if (counts(x, y)) {
                sum += glm::dvec3(pixel(x, y));
                ++count;
            }
        }
    }
    if (count == 0) {
        return {-1.0, -1.0, -1.0};
    }
    sum /= static_cast<double>(count);
    return {sum.x, sum.y, sum.z};
}

Colour ScreenImage::mean(const PixelBox& box) const
{
    return meanWhere(box, [](int, int) { return true; });
}

Colour ScreenImage::mean(const PixelRing& ring) const
{
    return meanWhere(boundsOf(ring), [&ring](int x, int y) { return inside(ring, x, y); });
}

int ScreenImage::largestChannel(const PixelBox& box) const
{
    int largest = 0;
    for (int y = std::max(box.top, 0); y < std::min(box.bottom, height_); ++y) {
        for (int x = std::max(box.left, 0); x < std::min(box.right, width_); ++x) {
            const glm::ivec3 rgb = pixel(x, y);
            largest = std::max({largest, rgb.r, rgb.g, rgb.b});
        }
    }
    return largest;
}

int ScreenImage::largestChannelOutside(const PixelBox& box) const
{
    return largestChannelOutside(std::vector<PixelBox>{box});
}

int ScreenImage::largestChannelOutside(const std::vector<PixelBox>& boxes) const
{
    int largest = 0;
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const bool inside = std::any_of(boxes.begin(), boxes.end(), [&](const PixelBox& box) {
                return x >= box.left && x < box.right && y >= box.top && y < box.bottom;
            });
            if (!inside) {
                const glm::ivec3 rgb = pixel(x, y);
                largest = std::max({largest, rgb.r, rgb.g, rgb.b});
            }
        }
    }
    return largest;
}

bool ScreenImage::savePng(const std::filesystem::path& path) const
{
    return stbi_write_png(path.c_str(), width_, height_, channels, rgb_.data(), width_ * channels) != 0;
}

ScreenImage channelDifference(const ScreenImage& a, const ScreenImage& b)
{
    ScreenImage difference(std::min(a.width(), b.width()), std::min(a.height(), b.height()));
    for (int y = 0; y < difference.height(); ++y) {
        for (int x = 0; x < difference.width(); ++x) {
            const glm::ivec3 delta = glm::abs(a.pixel(x, y) - b.pixel(x, y));
            const int largest = std::max({delta.r, delta.g, delta.b});
            difference.setPixel(x, y, glm::ivec3(largest));
        }
    }
    return difference;
}

void ProbeMarks::outline(const PixelBox& box, glm::ivec3 rgb)
{
    for (int x = box.left - 1; x <= box.right; ++x) {
        image_.setPixel(x, box.top - 1, rgb);
        image_.setPixel(x, box.bottom, rgb);
    }
    for (int y = box.top - 1; y <= box.bottom; ++y) {
        image_.setPixel(box.left - 1, y, rgb);
        image_.setPixel(box.right, y, rgb);
    }
}

void ProbeMarks::outline(const PixelRing& ring, glm::ivec3 rgb)
{
    // Marks the pixels just outside the ring on both sides, leaving the
    // probed pixels themselves visible.
    const PixelRing outerEdge{ring.centre, ring.outer, ring.outer + 1.0f};
    const PixelRing innerEdge{ring.centre, std::max(ring.inner - 1.0f, 0.0f), ring.inner};
    const PixelBox bounds = boundsOf(outerEdge);
    for (int y = bounds.top; y < bounds.bottom; ++y) {
        for (int x = bounds.left; x < bounds.right; ++x) {
            if (inside(outerEdge, x, y) || (ring.inner > 0.0f && inside(innerEdge, x, y))) {
                image_.setPixel(x, y, rgb);
            }
        }
    }
}

} // namespace tavernrush::e2e
