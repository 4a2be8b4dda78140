#include "model/MeshTextureLoader.h"

#include "render/ImageFileBytes.h"
#include "render/DecodedAhead.h"
#include "render/PixelUpload.h"
#include "render/StartupSteps.h"
#include "render/Texture.h"

namespace tavernrush {
namespace {

void uploadImage(const DecodedMaterialImage& decoded)
{
    const MaterialImage& image = decoded.image;
    const GLenum format = pixelFormatForChannels(image.channels);
    {
        const StartupStepTimer timer("upload pictures");
        // stb_image rows are tightly packed; odd widths of 1 to 3 channels
        // would be sheared and over-read under the default alignment of 4.
        const ScopedUnpackAlignment alignment(1);
        glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(format), image.width, image.height, 0, format, GL_UNSIGNED_BYTE,
                     image.pixels.get());
        uploadMipLevels(GL_TEXTURE_2D, static_cast<GLint>(format), format, decoded.mips);
    }
    if (format == GL_RG) {
        // Grey and alpha: show the grey in all three colour channels.
        const GLint swizzle[4] = {GL_RED, GL_RED, GL_RED, GL_GREEN};
        glTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_SWIZZLE_RGBA, swizzle);
    }
    if (decoded.mips.empty()) {
        const StartupStepTimer timer("build mipmaps in the driver");
        glGenerateMipmap(GL_TEXTURE_2D);
    }
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
}

// Taken from the worker that read it ahead, else decoded now under the
// driver's own size limit. A picture the worker could not use is decoded
// again here, so a refusal always follows the driver's limit.
DecodedMaterialImage takeOrDecode(const std::string& filename)
{
    GLint maxSize = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
    auto ahead = DecodedAhead<DecodedMaterialImage>::take(filename);
    if (ahead && !ahead->image.empty() && ahead->image.width <= maxSize && ahead->image.height <= maxSize) {
        return std::move(*ahead);
    }
    return decodeMaterialPicture(filename, maxSize);
}

} // namespace

DecodedMaterialImage decodeMaterialPicture(const std::string& filename, int largestSide)
{
    DecodedMaterialImage decoded{decodeMaterialImage(readFileBytes(filename), largestSide), {}};
    const MaterialImage& image = decoded.image;
    if (!image.empty()) {
        const StartupStepTimer timer("make mipmaps");
        decoded.mips = smallerLevels(image.pixels.get(), image.width, image.height, image.channels,
                                     image.width * image.channels);
    }
    return decoded;
}

TextureName loadImageTexture(const std::string& path, const std::string& directory)
{
    const std::string filename = directory + "/" + path;
    TextureName texture = createTexture();
    const DecodedMaterialImage image = takeOrDecode(filename);
    if (image.image.empty()) {
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
