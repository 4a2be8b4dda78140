// Equirectangular painting with orthographically projected emblems.
#include "pictures/SpherePictures.h"

#include <cmath>

namespace tavernrush::assetgen {

Image paintSphereWithEmblems(int width, int height, const std::function<glm::vec3(float, float)>& background,
                             const Image& emblem, float emblemRadius, int copies)
{
    constexpr float pi = 3.14159265f;
    Image image(width, height);
    for (int y = 0; y < height; ++y) {
        const float latitude = pi * 0.5f - (static_cast<float>(y) + 0.5f) / static_cast<float>(height) * pi;
        for (int x = 0; x < width; ++x) {
            const float longitude = (static_cast<float>(x) + 0.5f) / static_cast<float>(width) * 2.0f * pi;
            glm::vec3 colour = background(longitude, latitude);
            const glm::vec3 p(std::cos(latitude) * std::sin(longitude), std::sin(latitude),
                              std::cos(latitude) * std::cos(longitude));
            for (int k = 0; k < copies; ++k) {
                // Centres sit between the picture's edges, away from the seam.
                const float centreLongitude = 2.0f * pi * (static_cast<float>(k) + 0.5f) / static_cast<float>(copies);
                const glm::vec3 centre(std::sin(centreLongitude), 0.0f, std::cos(centreLongitude));
                if (glm::dot(p, centre) <= 0.0f) {
                    continue;
                }
                const glm::vec3 east(std::cos(centreLongitude), 0.0f, -std::sin(centreLongitude));
                const glm::vec2 q(glm::dot(p, east), p.y);
                if (std::abs(q.x) > emblemRadius || std::abs(q.y) > emblemRadius) {
                    continue;
                }
                const float ex = (q.x / emblemRadius * 0.5f + 0.5f) * static_cast<float>(emblem.width());
                const float ey = (0.5f - q.y / emblemRadius * 0.5f) * static_cast<float>(emblem.height());
                const glm::vec4 e = emblem.sample(ex, ey);
                colour = glm::mix(colour, glm::vec3(e), e.a);
            }
            image.at(x, y) = glm::vec4(colour, 1.0f);
        }
    }
    return image;
}

} // namespace tavernrush::assetgen
