#pragma once
// Pixel uploads state the row alignment of their data and put the previous
// value back, so odd widths are neither sheared nor over-read and no upload
// depends on what an earlier one left behind.

#include "render/MipChain.h"

#include <GL/glew.h>

#include <vector>

namespace tavernrush {

class ScopedUnpackAlignment {
public:
    explicit ScopedUnpackAlignment(GLint alignment)
    {
        glGetIntegerv(GL_UNPACK_ALIGNMENT, &previous_);
        glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
    }
    ~ScopedUnpackAlignment() { glPixelStorei(GL_UNPACK_ALIGNMENT, previous_); }

    ScopedUnpackAlignment(const ScopedUnpackAlignment&) = delete;
    ScopedUnpackAlignment& operator=(const ScopedUnpackAlignment&) = delete;

private:
    GLint previous_ = 4;
};

// Levels 1, 2, ... of the texture bound to `target`, tightly packed rows.
inline void uploadMipLevels(GLenum target, GLint internalFormat, GLenum format, const std::vector<MipLevel>& levels)
{
    const ScopedUnpackAlignment alignment(1);
    GLint level = 1;
    for (const MipLevel& mip : levels) {
        glTexImage2D(target, level++, internalFormat, mip.width, mip.height, 0, format, GL_UNSIGNED_BYTE,
                     mip.pixels.data());
    }
}

} // namespace tavernrush
