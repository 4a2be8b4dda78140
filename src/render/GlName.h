#pragma once
// Move-only owner of one GL object name. Each kind of object gets its own
// alias with the matching delete call, so every GL object has exactly one
// owner that releases it and no cleanup path is written by hand.

#include <GL/glew.h>

#include <utility>

namespace tavernrush {

template <typename Deleter>
class GlName {
public:
    GlName() = default;
    explicit GlName(GLuint name) : name_(name) {}
    ~GlName() { reset(); }

    GlName(const GlName&) = delete;
    GlName& operator=(const GlName&) = delete;
    GlName(GlName&& other) noexcept : name_(std::exchange(other.name_, 0)) {}
    GlName& operator=(GlName&& other) noexcept
    {
        if (this != &other) {
            reset();
            name_ = std::exchange(other.name_, 0);
        }
        return *this;
    }

    GLuint get() const { return name_; }
    explicit operator bool() const { return name_ != 0; }

    // Hands the name over without deleting it.
    GLuint release() { return std::exchange(name_, 0); }

    void reset()
    {
        if (name_ != 0) {
            Deleter{}(name_);
            name_ = 0;
        }
    }

private:
    GLuint name_ = 0;
};

struct BufferDeleter {
    void operator()(GLuint name) const { glDeleteBuffers(1, &name); }
};
struct VertexArrayDeleter {
    void operator()(GLuint name) const { glDeleteVertexArrays(1, &name); }
};
struct TextureDeleter {
    void operator()(GLuint name) const { glDeleteTextures(1, &name); }
};
struct FramebufferDeleter {
    void operator()(GLuint name) const { glDeleteFramebuffers(1, &name); }
};
struct ProgramDeleter {
    void operator()(GLuint name) const { glDeleteProgram(name); }
};
struct QueryDeleter {
    void operator()(GLuint name) const { glDeleteQueries(1, &name); }
};

using BufferName = GlName<BufferDeleter>;
using VertexArrayName = GlName<VertexArrayDeleter>;
using TextureName = GlName<TextureDeleter>;
using FramebufferName = GlName<FramebufferDeleter>;
using ProgramName = GlName<ProgramDeleter>;
using QueryName = GlName<QueryDeleter>;

// Creation helpers so call sites read as one line.
inline BufferName createBuffer()
{
    GLuint name = 0;
    glGenBuffers(1, &name);
    return BufferName{name};
}
inline VertexArrayName createVertexArray()
{
    GLuint name = 0;
    glGenVertexArrays(1, &name);
    return VertexArrayName{name};
}
inline TextureName createTexture()
{
    GLuint name = 0;
    glGenTextures(1, &name);
    return TextureName{name};
}
inline QueryName createQuery()
{
    GLuint name = 0;
    glGenQueries(1, &name);
    return QueryName{name};
}
inline FramebufferName createFramebuffer()
{
    GLuint name = 0;
    glGenFramebuffers(1, &name);
    return FramebufferName{name};
}

// Gives a GL object a readable name in debugger captures, where supported.
void labelGlObject(GLenum identifier, GLuint name, const char* label);

} // namespace tavernrush
