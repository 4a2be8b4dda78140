#pragma once
// A replay screenshot as the image tests read it: mean colours of chosen
// regions, and the evidence a failed check leaves behind (the probed regions
// drawn onto a copy, the difference of two pictures).

#include <glm/glm.hpp>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace tavernrush::e2e {

struct Colour {
    double red = 0.0;
    double green = 0.0;
    double blue = 0.0;

    double brightness() const { return (red + green + blue) / 3.0; }
};

// Pixels [left, right) x [top, bottom), rows counted from the top.
struct PixelBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The square of side 2 * halfSize + 1 around a point, rounded to pixels.
PixelBox boxAround(glm::vec2 centre, int halfSize);

// Pixel centres at a distance in [inner, outer) from `centre`.
struct PixelRing {
    glm::vec2 centre{0.0f};
    float inner = 0.0f;
    float outer = 0.0f;
};

class ScreenImage {
public:
    ScreenImage(int width, int height);
    // Any picture stb_image reads, as 8-bit RGB; nullopt when it cannot.
    static std::optional<ScreenImage> load(const std::filesystem::path& path);

    int width() const { return width_; }
    int height() const { return height_; }
    glm::ivec3 pixel(int x, int y) const;
    void setPixel(int x, int y, glm::ivec3 rgb);

    // Means over the part that lies inside the image; an empty part gives a
    // mean of -1 in every channel, which no check on real colours accepts.
    Colour mean(const PixelBox& box) const;
    Colour mean(const PixelRing& ring) const;
    // The largest difference of one channel over a box, for comparisons of
    // two pictures.
    int largestChannel(const PixelBox& box) const;
    // The same over every pixel outside the box, or outside all the boxes.
    int largestChannelOutside(const PixelBox& box) const;
    int largestChannelOutside(const std::vector<PixelBox>& boxes) const;

    bool savePng(const std::filesystem::path& path) const;

private:
    std::size_t offsetOf(int x, int y) const;
    // Mean of the pixels of `box` (clipped to the image) that `counts` accepts.
    Colour meanWhere(const PixelBox& box, const std::function<bool(int, int)>& counts) const;

    int width_;
    int height_;
    std::vector<std::uint8_t> rgb_;
};

// Per pixel the largest channel difference of two same-sized pictures.
ScreenImage channelDifference(const ScreenImage& a, const ScreenImage& b);

// A copy of a picture with the probed regions outlined, so a failure can be
// judged by eye: what the test looked at and where.
class ProbeMarks {
public:
    explicit ProbeMarks(ScreenImage image) : image_(std::move(image)) {}
    void outline(const PixelBox& box, glm::ivec3 rgb);
    void outline(const PixelRing& ring, glm::ivec3 rgb);
    const ScreenImage& image() const { return image_; }

private:
    ScreenImage image_;
};

inline constexpr glm::ivec3 markRed{255, 0, 0};
inline constexpr glm::ivec3 markMagenta{255, 0, 255};
inline constexpr glm::ivec3 markCyan{0, 255, 255};

} // namespace tavernrush::e2e
