#include "passes/TargetTexture.h"

namespace tavernrush {
namespace {

TextureName createTargetTexture(int width, int height, GLint internalFormat, GLenum format, GLenum type,
                                const char* label)
{
    TextureName texture = createTexture();
    glBindTexture(GL_TEXTURE_2D, texture.get());
    glTexImage2D(GL_TEXTURE_2D, 0, internalFormat, width, height, 0, format, type, nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    labelGlObject(GL_TEXTURE, texture.get(), label);
    return texture;
}

} // namespace

TextureName createColorTargetTexture(int width, int height, const char* label)
{
    return createTargetTexture(width, height, GL_RGBA8, GL_BGRA, GL_UNSIGNED_BYTE, label);
}

TextureName createDepthTargetTexture(int width, int height, const char* label)
{
    return createTargetTexture(width, height, GL_DEPTH_COMPONENT24, GL_DEPTH_COMPONENT, GL_FLOAT, label);
}

} // namespace tavernrush
