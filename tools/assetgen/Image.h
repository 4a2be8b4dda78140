#pragma once
// A picture being painted: floating-point RGBA in the 0..1 range, stored row
// by row from the TOP of the picture, as a viewer sees it. The file writers
// take care of each format's own row order, so every painter works in this
// one orientation.

#include <glm/glm.hpp>

#include <vector>

namespace tavernrush::assetgen {

class Image {
public:
    Image() = default;
    Image(int width, int height, const glm::vec4& fill = glm::vec4(0.0f, 0.0f, 0.0f, 1.0f));

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return pixels_.empty(); }

    glm::vec4& at(int x, int y) { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
    const glm::vec4& at(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }

    // Pixel with the coordinates clamped to the picture.
    const glm::vec4& clampedAt(int x, int y) const;

    // Bilinear lookup at picture coordinates (0,0) = top-left corner of the
    // top-left pixel; wraps horizontally and/or vertically when asked.
    glm::vec4 sample(float x, float y, bool wrapX = false, bool wrapY = false) const;

    // Blends colour over the pixel with the given coverage (0..1) times the
    // colour's own alpha.
    void blend(int x, int y, const glm::vec4& colour, float coverage);

    const std::vector<glm::vec4>& pixels() const { return pixels_; }
    std::vector<glm::vec4>& pixels() { return pixels_; }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<glm::vec4> pixels_;
};

// The picture turned by 180 degrees (upside down and mirrored).
Image rotated180(const Image& image);
// The picture mirrored left to right.
Image mirroredHorizontally(const Image& image);
// The picture mirrored top to bottom.
Image mirroredVertically(const Image& image);
// Averages factor x factor blocks: painting at a higher resolution and
// shrinking gives smooth edges where a shape has no distance field.
Image downsampled(const Image& image, int factor);
// Separable Gaussian blur with the given standard deviation in pixels; edges
// are clamped.
Image blurred(const Image& image, float sigma);
// Bilinear resize to the given size.
Image resized(const Image& image, int width, int height);
// Resized so that each side is the nearest power of two (the larger one on a
// tie). Software GL drivers build a new mipmap shader for every shape of
// texture that is not a power of two, which costs a tenth of a second each
// at start-up; pictures painted for a board of another shape stay painted
// for it and are simply stretched back by the texture coordinates.
Image powerOfTwoSized(const Image& image);
int nearestPowerOfTwo(int size);

} // namespace tavernrush::assetgen
