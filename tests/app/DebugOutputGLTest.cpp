// The game's debug callback attached to a real debug context: driver
// messages reach the console from inside the call that caused them.

#include "app/DebugOutput.h"

#include "support/GlTestContext.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

namespace tavernrush {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

class DebugOutputGLTest : public testing::GlTest {};

TEST_F(DebugOutputGLTest, AttachesToADebugContextWithSynchronousOutput)
{
    ASSERT_TRUE(attachDebugOutput());
    EXPECT_TRUE(glIsEnabled(GL_DEBUG_OUTPUT_SYNCHRONOUS));

    GLDEBUGPROC callback = nullptr;
    glGetPointerv(GL_DEBUG_CALLBACK_FUNCTION, reinterpret_cast<void**>(&callback));
    EXPECT_EQ(callback, &onGlDebugMessage);
}

TEST_F(DebugOutputGLTest, ADriverErrorIsPrintedInsideTheFailingCall)
{
    ASSERT_TRUE(attachDebugOutput());
    ::testing::internal::CaptureStdout();
    glBindTexture(GL_TEXTURE_2D, 0xFFFFFF); // never generated: GL_INVALID_OPERATION
    const std::string printed = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_INVALID_OPERATION));

    EXPECT_THAT(printed, StartsWith("OpenGL Error: "));
    EXPECT_THAT(printed, HasSubstr("[Source = API, Type = Error, Severity = High, ID = "));
    EXPECT_EQ(printed.back(), '\n');
}

TEST_F(DebugOutputGLTest, AnApplicationMessageComesBackVerbatim)
{
    ASSERT_TRUE(attachDebugOutput());
    ::testing::internal::CaptureStdout();
    glDebugMessageInsert(GL_DEBUG_SOURCE_APPLICATION, GL_DEBUG_TYPE_PORTABILITY, 42, GL_DEBUG_SEVERITY_MEDIUM, -1,
                         "tavern door left open");
    glDebugMessageInsert(GL_DEBUG_SOURCE_APPLICATION, GL_DEBUG_TYPE_OTHER, 131185, GL_DEBUG_SEVERITY_HIGH, -1,
                         "ignored chatter");
    const std::string printed = ::testing::internal::GetCapturedStdout();

    EXPECT_EQ(printed, "OpenGL Error: tavern door left open [Source = Application, Type = Portability, "
                       "Severity = Medium, ID = 42]\n");
}

} // namespace
} // namespace tavernrush
