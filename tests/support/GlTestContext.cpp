#include "GlTestContext.h"

#include <chrono>
#include <memory>
#include <thread>

namespace tavernrush::testing {
namespace {

std::vector<std::string>& collectedMessages()
{
    static std::vector<std::string> messages;
    return messages;
}

void GLAPIENTRY collectMessage(GLenum, GLenum, GLuint id, GLenum, GLsizei, const GLchar* message, const void*)
{
    // The same two chatter ids the game ignores.
    if (id == 131185 || id == 131218) {
        return;
    }
    collectedMessages().emplace_back(message != nullptr ? message : "");
}

} // namespace

GlTestContext::GlTestContext(int width, int height)
{
    // A busy Xvfb now and then refuses a connection; a short retry keeps
    // the suite from failing on that rather than on a real fault.
    bool initialised = false;
    for (int attempt = 0; attempt < 10 && !initialised; ++attempt) {
        if (attempt > 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        initialised = glfwInit() == GLFW_TRUE;
    }
    if (!initialised) {
        return;
    }
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 4);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 5);
    glfwWindowHint(GLFW_OPENGL_PROFILE, GLFW_OPENGL_CORE_PROFILE);
    glfwWindowHint(GLFW_OPENGL_DEBUG_CONTEXT, GLFW_TRUE);
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    window_ = glfwCreateWindow(width, height, "test", nullptr, nullptr);
    if (window_ == nullptr) {
        glfwTerminate();
        return;
    }
    glfwMakeContextCurrent(window_);
    glewExperimental = GL_TRUE;
    if (glewInit() != GLEW_OK) {
        glfwDestroyWindow(window_);
        window_ = nullptr;
        glfwTerminate();
        return;
    }
    // glewInit can leave a stale error from its extension probing.
    while (glGetError() != GL_NO_ERROR) {
    }
    collectedMessages().clear();
    glDebugMessageCallback(collectMessage, nullptr);
    glEnable(GL_DEBUG_OUTPUT_SYNCHRONOUS);
}

GlTestContext::~GlTestContext()
{
    if (window_ != nullptr) {
        glfwDestroyWindow(window_);
        glfwTerminate();
    }
}

std::vector<std::string> GlTestContext::takeMessages()
{
    std::vector<std::string> messages;
    messages.swap(collectedMessages());
    return messages;
}

void GlTest::SetUp()
{
    context = std::make_unique<GlTestContext>();
    if (!context->ok()) {
        // A missing context is a failure, not a skip: make test always
        // provides a display, and a silently skipped GL suite proves nothing.
        FAIL() << "no display with a GL 4 core context (run under xvfb-run)";
    }
}

void GlTest::TearDown()
{
    if (context && context->ok()) {
        expectNoGlMessages();
    }
    context.reset();
}

void GlTest::expectNoGlMessages()
{
    for (const std::string& message : context->takeMessages()) {
        ADD_FAILURE() << "GL debug message: " << message;
    }
}

} // namespace tavernrush::testing
