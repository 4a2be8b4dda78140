#include "model/MeshTextureLoader.h"

#include "render/ImageFileBytes.h"
#include "render/PixelUpload.h"
#include "render/Texture.h"

namespace tavernrush {
namespace {

MaterialImage decodeImage(const std::string& filename)
{
    GLint maxSize = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
    return decodeMaterialImage(readFileBytes(filename), maxSize);
}

void uploadImage(const MaterialImage& image)
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

TextureName loadImageTexture(const std::string& path, const std::string& directory)
{
    const std::string filename = directory + "/" + path;
    TextureName texture = createTexture();
    const MaterialImage image = decodeImage(filename);
    if (image.empty()) {
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
