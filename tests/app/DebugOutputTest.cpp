// The console line of a GL debug message as a player reads it, the two
// ignored ids, and the callback's handling of the message length.

#include "app/DebugOutput.h"

#include <gtest/gtest.h>

#include <string>

namespace tavernrush {
namespace {

TEST(DebugMessageFormatTest, BuildsTheWholeLine)
{
    EXPECT_EQ(formatDebugMessage(GL_DEBUG_SOURCE_API, GL_DEBUG_TYPE_ERROR, 1282, GL_DEBUG_SEVERITY_HIGH,
                                 "GL_INVALID_OPERATION in glDrawElements"),
              "OpenGL Error: GL_INVALID_OPERATION in glDrawElements [Source = API, Type = Error, Severity = High, "
              "ID = 1282]");
}

TEST(DebugMessageFormatTest, UsesTheErrorPrefixWhateverTheTypeAndSeverity)
{
    EXPECT_EQ(formatDebugMessage(GL_DEBUG_SOURCE_APPLICATION, GL_DEBUG_TYPE_OTHER, 7,
                                 GL_DEBUG_SEVERITY_NOTIFICATION, "note"),
              "OpenGL Error: note [Source = Application, Type = Other, Severity = Unknown, ID = 7]");
}

TEST(DebugMessageFormatTest, PrintsTheIdUnsigned)
{
    const auto line = formatDebugMessage(GL_DEBUG_SOURCE_OTHER, GL_DEBUG_TYPE_OTHER, 4294967295u,
                                         GL_DEBUG_SEVERITY_LOW, "x");
    ASSERT_TRUE(line.has_value());
    EXPECT_NE(line->find("ID = 4294967295]"), std::string::npos) << *line;
}

TEST(DebugMessageFormatTest, IgnoresOnlyTheTwoChatterIds)
{
    for (const GLuint id : {131185u, 131218u}) {
        EXPECT_FALSE(formatDebugMessage(GL_DEBUG_SOURCE_API, GL_DEBUG_TYPE_OTHER, id, GL_DEBUG_SEVERITY_LOW, "m"))
            << id;
    }
    for (const GLuint id : {0u, 131184u, 131186u, 131217u, 131219u}) {
        EXPECT_TRUE(formatDebugMessage(GL_DEBUG_SOURCE_API, GL_DEBUG_TYPE_OTHER, id, GL_DEBUG_SEVERITY_LOW, "m"))
            << id;
    }
}

// The callback runs inside the GL call; it must print exactly one line and
// honour the length the driver passes.
std::string printedBy(GLuint id, GLsizei length, const GLchar* message)
{
    ::testing::internal::CaptureStdout();
    onGlDebugMessage(GL_DEBUG_SOURCE_SHADER_COMPILER, GL_DEBUG_TYPE_PERFORMANCE, id, GL_DEBUG_SEVERITY_MEDIUM, length,
                     message, nullptr);
    return ::testing::internal::GetCapturedStdout();
}

TEST(DebugMessageCallbackTest, PrintsOneLineToStandardOutput)
{
    EXPECT_EQ(printedBy(3, -1, "slow path"),
              "OpenGL Error: slow path [Source = Shader Compiler, Type = Performance, Severity = Medium, ID = 3]\n");
}

TEST(DebugMessageCallbackTest, TakesOnlyTheGivenLength)
{
    EXPECT_EQ(printedBy(3, 4, "slow path"),
              "OpenGL Error: slow [Source = Shader Compiler, Type = Performance, Severity = Medium, ID = 3]\n");
}

TEST(DebugMessageCallbackTest, PrintsNothingForAnIgnoredId)
{
    EXPECT_EQ(printedBy(131185, -1, "buffer detail"), "");
    EXPECT_EQ(printedBy(131218, -1, "shader recompiled"), "");
}

TEST(DebugMessageCallbackTest, SurvivesAMissingMessageText)
{
    EXPECT_EQ(printedBy(9, 0, nullptr),
              "OpenGL Error:  [Source = Shader Compiler, Type = Performance, Severity = Medium, ID = 9]\n");
}

} // namespace
} // namespace tavernrush
