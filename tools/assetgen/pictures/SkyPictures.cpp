// Sky pictures: each pixel is the sky seen along its direction.
#include "pictures/SkyPictures.h"

#include "DdsFile.h"
#include "ImageFiles.h"
#include "SkyModel.h"

#include <cmath>

namespace tavernrush::assetgen {

Image paintSkyFace(CubeFace face, int size)
{
    Image image(size, size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const float s = (static_cast<float>(x) + 0.5f) / static_cast<float>(size);
            const float t = (static_cast<float>(y) + 0.5f) / static_cast<float>(size);
            image.at(x, y) = glm::vec4(skyColour(cubeFaceDirection(face, s, t)), 1.0f);
        }
    }
    return image;
}

void writeSkyFace(const std::filesystem::path& assets, CubeFace face)
{
    writeJpeg(assets / "textures" / "skybox" / cubeFaceFile(face), paintSkyFace(face, skyFaceSize), 92);
}

void writeSkyDomePictures(const std::filesystem::path& assets)
{
    // Looking up at 60 degrees towards the sun, 90 degree field of view.
    {
        const int size = 512;
        Image image(size, size);
        const glm::vec3 forward = glm::normalize(glm::vec3(0.0f, std::sin(1.0472f), -std::cos(1.0472f)));
        const glm::vec3 right(1.0f, 0.0f, 0.0f);
        const glm::vec3 up = glm::cross(right, forward);
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const float sx = (static_cast<float>(x) + 0.5f) / static_cast<float>(size) * 2.0f - 1.0f;
                const float sy = 1.0f - (static_cast<float>(y) + 0.5f) / static_cast<float>(size) * 2.0f;
                image.at(x, y) = glm::vec4(skyColour(forward + sx * right + sy * up, {0.35f, false}), 1.0f);
            }
        }
        writeDds(assets / "textures" / "himmel.dds", image, DdsFormat::Dxt1);
    }
    // Equirectangular panorama: longitude across, the zenith at the top.
    {
        const int width = 1024;
        const int height = 512;
        Image image(width, height);
        for (int y = 0; y < height; ++y) {
            const float polar = (static_cast<float>(y) + 0.5f) / static_cast<float>(height) * 3.14159265f;
            for (int x = 0; x < width; ++x) {
                const float azimuth = (static_cast<float>(x) + 0.5f) / static_cast<float>(width) * 6.2831853f;
                const glm::vec3 d(std::sin(polar) * std::cos(azimuth), std::cos(polar), std::sin(polar) * std::sin(azimuth));
                image.at(x, y) = glm::vec4(skyColour(d, {0.7f, true}), 1.0f);
            }
        }
        writeDds(assets / "textures" / "wolkenhimmel.dds", image, DdsFormat::Dxt1);
    }
}

} // namespace tavernrush::assetgen
