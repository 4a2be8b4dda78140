#include "GlTestContext.h"

#include "app/HiddenGlWindow.h"

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
    window_ = openHiddenGlWindow(width, height, "test", true);
    if (window_ == nullptr) {
        return;
    }
    collectedMessages().clear();
    glDebugMessageCallback(collectMessage, nullptr);
    glEnable(GL_DEBUG_OUTPUT_SYNCHRONOUS);
}

GlTestContext::~GlTestContext() { closeHiddenGlWindow(window_); }

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
