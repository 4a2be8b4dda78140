#include "app/WindowImage.h"

#include "app/AtomicFile.h"

#include <GL/glew.h>
#include <GLFW/glfw3.h>
#include <stb_image_write.h>

#include <algorithm>
#include <cstddef>

namespace tavernrush {
namespace {

constexpr int channels = 4;

// The read state the screenshot changes, put back afterwards so the next
// frame's passes find what they left.
class ReadStateGuard {
public:
    ReadStateGuard()
    {
        glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &readFramebuffer_);
        glGetIntegerv(GL_READ_BUFFER, &readBuffer_);
        glGetIntegerv(GL_PACK_ALIGNMENT, &packAlignment_);
        glGetIntegerv(GL_PIXEL_PACK_BUFFER_BINDING, &packBuffer_);
    }
    ~ReadStateGuard()
    {
        glBindFramebuffer(GL_READ_FRAMEBUFFER, static_cast<GLuint>(readFramebuffer_));
        glReadBuffer(static_cast<GLenum>(readBuffer_));
        glPixelStorei(GL_PACK_ALIGNMENT, packAlignment_);
        glBindBuffer(GL_PIXEL_PACK_BUFFER, static_cast<GLuint>(packBuffer_));
    }
    ReadStateGuard(const ReadStateGuard&) = delete;
    ReadStateGuard& operator=(const ReadStateGuard&) = delete;

private:
    GLint readFramebuffer_ = 0;
    GLint readBuffer_ = GL_BACK;
    GLint packAlignment_ = 4;
    GLint packBuffer_ = 0;
};

} // namespace

std::vector<unsigned char> windowImageRows(const std::vector<unsigned char>& bottomUpRgba, glm::ivec2 size)
{
    const auto rowBytes = static_cast<std::size_t>(size.x) * channels;
    const auto rows = static_cast<std::size_t>(size.y);
    std::vector<unsigned char> topDown(rowBytes * rows);
    for (std::size_t row = 0; row < rows; ++row) {
        const auto source = bottomUpRgba.begin() + static_cast<std::ptrdiff_t>((rows - 1 - row) * rowBytes);
        std::copy(source, source + static_cast<std::ptrdiff_t>(rowBytes),
                  topDown.begin() + static_cast<std::ptrdiff_t>(row * rowBytes));
    }
    for (std::size_t alpha = channels - 1; alpha < topDown.size(); alpha += channels) {
        topDown[alpha] = 255;
    }
    return topDown;
}

glm::ivec2 currentWindowFramebufferSize()
{
    glm::ivec2 size{0};
    if (GLFWwindow* window = glfwGetCurrentContext()) {
        glfwGetFramebufferSize(window, &size.x, &size.y);
    }
    return size;
}

std::string saveWindowImage(const std::string& path, glm::ivec2 size)
{
    if (size.x <= 0 || size.y <= 0) {
        return "the window has no framebuffer to read";
    }
    std::vector<unsigned char> pixels(static_cast<std::size_t>(size.x) * static_cast<std::size_t>(size.y) * channels);
    {
        const ReadStateGuard guard;
        glBindFramebuffer(GL_READ_FRAMEBUFFER, 0);
        glBindBuffer(GL_PIXEL_PACK_BUFFER, 0);
        glReadBuffer(GL_BACK);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, size.x, size.y, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    }
    const std::vector<unsigned char> image = windowImageRows(pixels, size);
    std::string png;
    const auto append = [](void* context, void* data, int bytes) {
        static_cast<std::string*>(context)->append(static_cast<const char*>(data), static_cast<std::size_t>(bytes));
    };
    if (stbi_write_png_to_func(append, &png, size.x, size.y, channels, image.data(), size.x * channels) == 0) {
        return "could not encode " + path;
    }
    // Its words name the file already ("cannot write PATH: No space left on device").
    if (const auto problem = writeFileAtomically(path, png)) {
        return *problem;
    }
    return {};
}

} // namespace tavernrush
