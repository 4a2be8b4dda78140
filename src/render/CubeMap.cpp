#include "render/CubeMap.h"

#include "render/AssetPath.h"
#include "render/DecodedPicture.h"
#include "render/PixelUpload.h"
#include "render/StartupSteps.h"
#include "render/Texture.h"

namespace tavernrush {

CubeMap::CubeMap(const std::string& directory, const std::string& right, const std::string& left,
                 const std::string& top, const std::string& bottom, const std::string& front, const std::string& back)
    : facePaths_{assetPath(directory + right), assetPath(directory + left), assetPath(directory + top),
                 assetPath(directory + bottom), assetPath(directory + front), assetPath(directory + back)}
{
}

void CubeMap::load()
{
    handle_ = createTexture();
    glBindTexture(GL_TEXTURE_CUBE_MAP, handle_.get());
    const ScopedUnpackAlignment alignment(4);
    width_ = 0;
    height_ = 0;
    for (std::size_t face = 0; face < facePaths_.size(); ++face) {
        ImageFile image = takeOrDecodePicture(facePaths_[face], true, false).image;
        // Cube faces must be square, and all of one size: GL takes faces of
        // different sizes one by one, but the cube they make samples black
        // everywhere. The first face that loads sets the size.
        const bool square = !image.empty() && image.width() == image.height();
        const bool fits = width_ == 0 || image.width() == width_;
        if (!square || !fits) {
            reportTextureFailure(facePaths_[face]);
            image = ImageFile{};
        } else {
            width_ = image.width();
            height_ = image.height();
        }
        const StartupStepTimer timer("upload pictures");
        glTexImage2D(static_cast<GLenum>(GL_TEXTURE_CUBE_MAP_POSITIVE_X + face), 0, GL_RGBA, image.width(),
                     image.height(), 0, GL_BGRA, GL_UNSIGNED_BYTE, image.bits());
    }
    glTexParameteri(GL_TEXTURE_CUBE_MAP, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_CUBE_MAP, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_CUBE_MAP, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_CUBE_MAP, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_CUBE_MAP, GL_TEXTURE_WRAP_R, GL_CLAMP_TO_EDGE);
    labelGlObject(GL_TEXTURE, handle_.get(), "sky cube map");
}

void CubeMap::bind(unsigned unit) const
{
    glActiveTexture(GL_TEXTURE0 + unit);
    glBindTexture(GL_TEXTURE_CUBE_MAP, handle_.get());
}

} // namespace tavernrush
