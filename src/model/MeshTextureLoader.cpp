#include "model/MeshTextureLoader.h"

#include "render/PixelUpload.h"
#include "render/Texture.h"

#include <stb_image.h>

#include <cstdio>
#include <memory>

namespace tavernrush {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using OpenFile = std::unique_ptr<std::FILE, FileCloser>;

struct PixelsFree {
    void operator()(stbi_uc* pixels) const { stbi_image_free(pixels); }
};

struct DecodedImage {
    std::unique_ptr<stbi_uc, PixelsFree> pixels;
    int width = 0;
    int height = 0;
    int channels = 0;
};

// Reads the header first so that a file claiming dimensions the driver cannot
// take is refused before stb_image allocates memory for its pixels.
DecodedImage decodeImage(const std::string& filename)
{
    DecodedImage image;
    const OpenFile file(std::fopen(filename.c_str(), "rb"));
    if (!file) {
        return image;
    }
    int width = 0;
    int height = 0;
    int channels = 0;
    if (stbi_info_from_file(file.get(), &width, &height, &channels) == 0) {
        return image;
    }
    GLint maxSize = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
    if (width <= 0 || height <= 0 || width > maxSize || height > maxSize) {
        return image;
    }
    // Decoding keeps the file's own channel count (no conversion requested).
    image.pixels.reset(stbi_load_from_file(file.get(), &image.width, &image.height, &image.channels, 0));
    if (!image.pixels || pixelFormatForChannels(image.channels) == 0) {
        return DecodedImage{};
    }
    return image;
}

void uploadImage(const DecodedImage& image)
{
    const GLenum format = pixelFormatForChannels(image.channels);
    {
        // stb_image rows are tightly packed; odd widths of 1 to 3 channels
        // would be sheared and over-read under the default alignment of 4.
        const ScopedUnpackAlignment alignment(1);
        glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(format), image.width, image.height, 0, format, GL_UNSIGNED_BYTE,
                     image.pixels.get());
    }
    if (format == GL_RG) {
        // Grey and alpha: show the grey in all three colour channels.
        const GLint swizzle[4] = {GL_RED, GL_RED, GL_RED, GL_GREEN};
        glTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_SWIZZLE_RGBA, swizzle);
    }
    glGenerateMipmap(GL_TEXTURE_2D);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
}

} // namespace

GLenum pixelFormatForChannels(int channels)
{
    switch (channels) {
    case 1: return GL_RED;
    case 2: return GL_RG;
    case 3: return GL_RGB;
    case 4: return GL_RGBA;
    default: return 0;
    }
}

TextureName loadImageTexture(const std::string& path, const std::string& directory)
{
    const std::string filename = directory + "/" + path;
    TextureName texture = createTexture();
    const DecodedImage image = decodeImage(filename);
    if (!image.pixels) {
        reportTextureFailure(path);
        return texture;
    }
    // The texture stays bound to GL_TEXTURE_2D of the active unit afterwards.
    glBindTexture(GL_TEXTURE_2D, texture.get());
    uploadImage(image);
    labelGlObject(GL_TEXTURE, texture.get(), filename.c_str());
    return texture;
}

} // namespace tavernrush
