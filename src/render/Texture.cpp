#include "render/Texture.h"

#include "render/AssetPath.h"
#include "render/DecodedPicture.h"
#include "render/PixelUpload.h"
#include "render/StartupSteps.h"

#include <iostream>

namespace tavernrush {

namespace {

// The whole chain at once into storage of its final size: adding levels one
// by one would have the driver grow the texture's memory each time.
void uploadIntoStorage(const ImageFile& image, const std::vector<MipLevel>& smaller)
{
    glTexStorage2D(GL_TEXTURE_2D, static_cast<GLsizei>(smaller.size() + 1), GL_RGBA8, image.width(), image.height());
    {
        const ScopedUnpackAlignment alignment(4);
        glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, image.width(), image.height(), GL_RGBA, GL_UNSIGNED_BYTE, image.bits());
    }
    const ScopedUnpackAlignment alignment(1);
    GLint level = 1;
    for (const MipLevel& mip : smaller) {
        glTexSubImage2D(GL_TEXTURE_2D, level++, 0, 0, mip.width, mip.height, GL_RGBA, GL_UNSIGNED_BYTE,
                        mip.pixels.data());
    }
}

} // namespace

void reportTextureFailure(const std::string& path)
{
    std::cout << "Texture failed to load at path: " << path << std::endl;
}

Texture::Texture(const std::string& name) : handle_(createTexture())
{
    const std::string path = assetPath(name);
    glBindTexture(GL_TEXTURE_2D, handle_.get());
    const DecodedPicture picture = takeOrDecodePicture(path, false, true);
    const ImageFile& image = picture.image;
    if (image.empty()) {
        reportTextureFailure(path);
    }
    width_ = image.width();
    height_ = image.height();
    {
        const StartupStepTimer timer("upload pictures");
        if (picture.mips.empty()) {
            const ScopedUnpackAlignment alignment(4);
            glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width_, height_, 0, GL_RGBA, GL_UNSIGNED_BYTE, image.bits());
        } else {
            uploadIntoStorage(image, picture.mips);
        }
    }
    // An empty texture has no level to build mipmaps from; a picture whose
    // sides do not halve exactly has its chain made by the driver.
    if (!image.empty() && picture.mips.empty()) {
        const StartupStepTimer timer("build mipmaps in the driver");
        glGenerateMipmap(GL_TEXTURE_2D);
    }
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glBindTexture(GL_TEXTURE_2D, 0);
    labelGlObject(GL_TEXTURE, handle_.get(), path.c_str());
}

TexturePtr makeTexture(const std::string& path) { return std::make_shared<Texture>(path); }

void Texture::bind(unsigned unit) const
{
    glActiveTexture(GL_TEXTURE0 + unit);
    glBindTexture(GL_TEXTURE_2D, handle_.get());
}

} // namespace tavernrush
