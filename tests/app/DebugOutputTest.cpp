// The console line of a GL debug message: the names of sources, types and
// severities (KHR and AMD values), the two ignored ids, and the callback's
// handling of the message length.

#include "app/DebugOutput.h"

#include <gtest/gtest.h>

#include <string>

namespace tavernrush {
namespace {

struct NamedValue {
    GLenum value;
    const char* name;
};

class DebugSourceNameTest : public ::testing::TestWithParam<NamedValue> {};
TEST_P(DebugSourceNameTest, NamesTheSource) { EXPECT_EQ(debugSourceName(GetParam().value), GetParam().name); }
INSTANTIATE_TEST_SUITE_P(
    KhrAndAmd, DebugSourceNameTest,
    ::testing::Values(NamedValue{GL_DEBUG_SOURCE_API, "API"}, NamedValue{0x9149, "API"},
                      NamedValue{GL_DEBUG_SOURCE_WINDOW_SYSTEM, "Window System"}, NamedValue{0x914A, "Window System"},
                      NamedValue{GL_DEBUG_SOURCE_SHADER_COMPILER, "Shader Compiler"},
                      NamedValue{0x914E, "Shader Compiler"}, NamedValue{GL_DEBUG_SOURCE_THIRD_PARTY, "Third Party"},
                      NamedValue{GL_DEBUG_SOURCE_APPLICATION, "Application"}, NamedValue{0x914F, "Application"},
                      NamedValue{GL_DEBUG_SOURCE_OTHER, "Other"}, NamedValue{0x9150, "Other"},
                      // AMD has no third-party category; its neighbours are not sources.
                      NamedValue{0x914B, "Unknown"}, NamedValue{0x914D, "Unknown"}, NamedValue{0, "Unknown"},
                      NamedValue{GL_DEBUG_TYPE_ERROR, "Unknown"}));

class DebugTypeNameTest : public ::testing::TestWithParam<NamedValue> {};
TEST_P(DebugTypeNameTest, NamesTheType) { EXPECT_EQ(debugTypeName(GetParam().value), GetParam().name); }
INSTANTIATE_TEST_SUITE_P(
    KhrAndAmd, DebugTypeNameTest,
    ::testing::Values(NamedValue{GL_DEBUG_TYPE_ERROR, "Error"},
                      NamedValue{GL_DEBUG_TYPE_DEPRECATED_BEHAVIOR, "Deprecated Behavior"},
                      NamedValue{0x914B, "Deprecated Behavior"},
                      NamedValue{GL_DEBUG_TYPE_UNDEFINED_BEHAVIOR, "Undefined Behavior"},
                      NamedValue{0x914C, "Undefined Behavior"}, NamedValue{GL_DEBUG_TYPE_PORTABILITY, "Portability"},
                      NamedValue{GL_DEBUG_TYPE_PERFORMANCE, "Performance"}, NamedValue{0x914D, "Performance"},
                      NamedValue{GL_DEBUG_TYPE_OTHER, "Other"}, NamedValue{0x9150, "Other"},
                      // The types added after the first five have no name of their own.
                      NamedValue{GL_DEBUG_TYPE_MARKER, "Unknown"}, NamedValue{GL_DEBUG_TYPE_PUSH_GROUP, "Unknown"},
                      NamedValue{0x9149, "Unknown"}, NamedValue{0, "Unknown"}));

class DebugSeverityNameTest : public ::testing::TestWithParam<NamedValue> {};
TEST_P(DebugSeverityNameTest, NamesTheSeverity)
{
    EXPECT_EQ(debugSeverityName(GetParam().value), GetParam().name);
}
INSTANTIATE_TEST_SUITE_P(Levels, DebugSeverityNameTest,
                         ::testing::Values(NamedValue{GL_DEBUG_SEVERITY_HIGH, "High"},
                                           NamedValue{GL_DEBUG_SEVERITY_MEDIUM, "Medium"},
                                           NamedValue{GL_DEBUG_SEVERITY_LOW, "Low"},
                                           NamedValue{GL_DEBUG_SEVERITY_NOTIFICATION, "Unknown"},
                                           NamedValue{0, "Unknown"}));

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
