#pragma once
// Pixel uploads state the row alignment of their data and put the previous
// value back, so odd widths are neither sheared nor over-read and no upload
// depends on what an earlier one left behind.

#include <GL/glew.h>

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

} // namespace tavernrush
