#include "render/GlName.h"

namespace tavernrush {

void labelGlObject(GLenum identifier, GLuint name, const char* label)
{
    if (glObjectLabel != nullptr && name != 0) {
        glObjectLabel(identifier, name, -1, label);
    }
}

} // namespace tavernrush
