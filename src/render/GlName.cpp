#include "render/GlName.h"

#include <string_view>

namespace tavernrush {

void labelGlObject(GLenum identifier, GLuint name, const char* label)
{
    if (glObjectLabel == nullptr || name == 0) {
        return;
    }
    // Labels longer than the driver's limit are an error, so long paths keep
    // their (more telling) end.
    GLint maxLength = 0;
    glGetIntegerv(GL_MAX_LABEL_LENGTH, &maxLength);
    const std::string_view text{label};
    const std::size_t limit = maxLength > 1 ? static_cast<std::size_t>(maxLength - 1) : 0;
    const std::string_view kept = text.size() > limit ? text.substr(text.size() - limit) : text;
    glObjectLabel(identifier, name, static_cast<GLsizei>(kept.size()), kept.data());
}

} // namespace tavernrush
