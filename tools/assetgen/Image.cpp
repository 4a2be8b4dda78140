// Pixel storage and the few whole-picture operations the painters share.
#include "Image.h"

#include <algorithm>
#include <cmath>

namespace tavernrush::assetgen {

Image::Image(int width, int height, const glm::vec4& fill)
    : width_(width)
    , height_(height)
    , pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill)
{
}

const glm::vec4& Image::clampedAt(int x, int y) const
{
    return at(std::clamp(x, 0, width_ - 1), std::clamp(y, 0, height_ - 1));
}

namespace {

int wrapIndex(int i, int size)
{
    const int m = i % size;
    return m < 0 ? m + size : m;
}

} // namespace

glm::vec4 Image::sample(float x, float y, bool wrapX, bool wrapY) const
{
    const float fx = x - 0.5f;
    const float fy = y - 0.5f;
    const int x0 = static_cast<int>(std::floor(fx));
    const int y0 = static_cast<int>(std::floor(fy));
    const float tx = fx - static_cast<float>(x0);
    const float ty = fy - static_cast<float>(y0);
    auto fetch = [&](int px, int py) -> const glm::vec4& {
        px = wrapX ? wrapIndex(px, width_) : std::clamp(px, 0, width_ - 1);
        py = wrapY ? wrapIndex(py, height_) : std::clamp(py, 0, height_ - 1);
        return at(px, py);
    };
    const glm::vec4 top = glm::mix(fetch(x0, y0), fetch(x0 + 1, y0), tx);
    const glm::vec4 bottom = glm::mix(fetch(x0, y0 + 1), fetch(x0 + 1, y0 + 1), tx);
    return glm::mix(top, bottom, ty);
}

void Image::blend(int x, int y, const glm::vec4& colour, float coverage)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return;
    }
    const float a = std::clamp(coverage * colour.a, 0.0f, 1.0f);
    if (a <= 0.0f) {
        return;
    }
    // Straight-alpha "over": transparent pictures (emblems, glows) keep their
    // true colours at soft edges.
    glm::vec4& dst = at(x, y);
    const float outAlpha = a + dst.a * (1.0f - a);
    if (outAlpha <= 0.0f) {
        return;
    }
    const glm::vec3 rgb = (glm::vec3(colour) * a + glm::vec3(dst) * dst.a * (1.0f - a)) / outAlpha;
    dst = glm::vec4(rgb, outAlpha);
}

Image rotated180(const Image& image)
{
    Image out(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            out.at(x, y) = image.at(image.width() - 1 - x, image.height() - 1 - y);
        }
    }
    return out;
}

Image mirroredHorizontally(const Image& image)
{
    Image out(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            out.at(x, y) = image.at(image.width() - 1 - x, y);
        }
    }
    return out;
}

Image mirroredVertically(const Image& image)
{
    Image out(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            out.at(x, y) = image.at(x, image.height() - 1 - y);
        }
    }
    return out;
}

Image downsampled(const Image& image, int factor)
{
    const int w = image.width() / factor;
    const int h = image.height() / factor;
    Image out(w, h);
    const float norm = 1.0f / static_cast<float>(factor * factor);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            glm::vec4 sum(0.0f);
            for (int j = 0; j < factor; ++j) {
                for (int i = 0; i < factor; ++i) {
                    sum += image.at(x * factor + i, y * factor + j);
                }
            }
            out.at(x, y) = sum * norm;
        }
    }
    return out;
}

namespace {

std::vector<float> gaussianKernel(float sigma)
{
    const int radius = std::max(1, static_cast<int>(std::ceil(sigma * 3.0f)));
    std::vector<float> kernel(static_cast<std::size_t>(2 * radius + 1));
    float sum = 0.0f;
    for (int i = -radius; i <= radius; ++i) {
        const float w = std::exp(-static_cast<float>(i * i) / (2.0f * sigma * sigma));
        kernel[static_cast<std::size_t>(i + radius)] = w;
        sum += w;
    }
    for (float& w : kernel) {
        w /= sum;
    }
    return kernel;
}

} // namespace

Image blurred(const Image& image, float sigma)
{
    const std::vector<float> kernel = gaussianKernel(sigma);
    const int radius = static_cast<int>(kernel.size() / 2);
    Image horizontal(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            glm::vec4 sum(0.0f);
            for (int i = -radius; i <= radius; ++i) {
                sum += image.clampedAt(x + i, y) * kernel[static_cast<std::size_t>(i + radius)];
            }
            horizontal.at(x, y) = sum;
        }
    }
    Image out(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            glm::vec4 sum(0.0f);
            for (int i = -radius; i <= radius; ++i) {
                sum += horizontal.clampedAt(x, y + i) * kernel[static_cast<std::size_t>(i + radius)];
            }
            out.at(x, y) = sum;
        }
    }
    return out;
}

Image resized(const Image& image, int width, int height)
{
    Image out(width, height);
    const float sx = static_cast<float>(image.width()) / static_cast<float>(width);
    const float sy = static_cast<float>(image.height()) / static_cast<float>(height);
    // Shrinking averages several bilinear taps per output pixel so that thin
    // lines do not flicker away.
    const int tapsX = std::clamp(static_cast<int>(std::ceil(sx)), 1, 8);
    const int tapsY = std::clamp(static_cast<int>(std::ceil(sy)), 1, 8);
    const float norm = 1.0f / static_cast<float>(tapsX * tapsY);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            glm::vec4 sum(0.0f);
            for (int j = 0; j < tapsY; ++j) {
                for (int i = 0; i < tapsX; ++i) {
                    const float px = (static_cast<float>(x) + (static_cast<float>(i) + 0.5f) / static_cast<float>(tapsX)) * sx;
                    const float py = (static_cast<float>(y) + (static_cast<float>(j) + 0.5f) / static_cast<float>(tapsY)) * sy;
                    sum += image.sample(px, py);
                }
            }
            out.at(x, y) = sum * norm;
        }
    }
    return out;
}

int nearestPowerOfTwo(int size)
{
    int power = 1;
    while (power < size) {
        power *= 2;
    }
    // power is now the first one not below size; the one below it wins only
    // when it is strictly nearer.
    const int below = power / 2;
    return (below >= 1 && size - below < power - size) ? below : power;
}

Image powerOfTwoSized(const Image& image)
{
    const int width = nearestPowerOfTwo(image.width());
    const int height = nearestPowerOfTwo(image.height());
    if (width == image.width() && height == image.height()) {
        return image;
    }
    return resized(image, width, height);
}

} // namespace tavernrush::assetgen
