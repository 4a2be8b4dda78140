// The replay script grammar: what each directive records, and that every kind
// of malformed line is refused with its line number.

#include "app/ReplayScript.h"

#include "app/KeyNames.h"

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include <sstream>

namespace tavernrush {
namespace {

ReplayScript parsed(std::string_view text)
{
    ScriptParse parse = parseReplayScript(text);
    if (const auto* error = std::get_if<ScriptError>(&parse)) {
        ADD_FAILURE() << "unexpected error: " << error->message();
        return {};
    }
    return std::get<ReplayScript>(std::move(parse));
}

ScriptError refused(std::string_view text)
{
    const ScriptParse parse = parseReplayScript(text);
    if (const auto* error = std::get_if<ScriptError>(&parse)) {
        return *error;
    }
    ADD_FAILURE() << "script was accepted: " << text;
    return {};
}

TEST(ReplayScriptTest, EmptyCommentAndBlankLinesGiveAnEmptyScript)
{
    const ReplayScript script = parsed("\n# just a comment\n   \t\n  # indented comment\n");
    EXPECT_TRUE(script.keys.empty());
    EXPECT_TRUE(script.buttons.empty());
    EXPECT_TRUE(script.cursor.empty());
    EXPECT_TRUE(script.scrolls.empty());
    EXPECT_TRUE(script.escapeReleases.empty());
    EXPECT_TRUE(script.focus.empty());
    EXPECT_TRUE(script.padButtons.empty());
    EXPECT_TRUE(script.padAxes.empty());
}

TEST(ReplayScriptTest, KeyLinesHoldEveryNamedKeyOverTheRange)
{
    const ReplayScript script = parsed("1-90 key right UP # walk and turn\n7 key Space\n");
    ASSERT_EQ(script.keys.size(), 3u);
    EXPECT_EQ(script.keys[0].key, GLFW_KEY_RIGHT);
    EXPECT_EQ(script.keys[0].frames.first, 1);
    EXPECT_EQ(script.keys[0].frames.last, 90);
    EXPECT_EQ(script.keys[1].key, GLFW_KEY_UP);
    EXPECT_EQ(script.keys[1].frames.last, 90);
    // A single number is a one-frame range.
    EXPECT_EQ(script.keys[2].key, GLFW_KEY_SPACE);
    EXPECT_EQ(script.keys[2].frames.first, 7);
    EXPECT_EQ(script.keys[2].frames.last, 7);
}

TEST(ReplayScriptTest, EveryKeyNameTheControlsTakeIsKnown)
{
    std::string line = "0 key";
    for (const NamedKey& key : namedKeys()) {
        line += " " + std::string(key.name);
    }
    const ReplayScript script = parsed(line + "\n");
    ASSERT_EQ(script.keys.size(), namedKeys().size());
    for (std::size_t i = 0; i < namedKeys().size(); ++i) {
        EXPECT_EQ(script.keys[i].key, namedKeys()[i].code) << namedKeys()[i].name;
    }
}

TEST(ReplayScriptTest, FocusAndGamepadLines)
{
    const ReplayScript script = parsed("30 focus out\n"
                                       "40 focus IN\n"
                                       "1-60 pad axis left_y -1\n"
                                       "5 pad axis Right_Trigger 0.5\n"
                                       "2-3 pad button start\n");
    ASSERT_EQ(script.focus.size(), 2u);
    EXPECT_EQ(script.focus[0].frame, 30);
    EXPECT_FALSE(script.focus[0].focused);
    EXPECT_TRUE(script.focus[1].focused);
    ASSERT_EQ(script.padAxes.size(), 2u);
    EXPECT_EQ(script.padAxes[0].axis, PadAxis::LeftY);
    EXPECT_EQ(script.padAxes[0].value, -1.0f);
    EXPECT_EQ(script.padAxes[0].frames.last, 60);
    EXPECT_EQ(script.padAxes[1].axis, PadAxis::RightTrigger);
    ASSERT_EQ(script.padButtons.size(), 1u);
    EXPECT_EQ(script.padButtons[0].button, PadButton::Start);
    EXPECT_EQ(script.padButtons[0].frames.first, 2);
}

TEST(ReplayScriptTest, CursorButtonScrollAndEscapeLines)
{
    const ReplayScript script = parsed("0-10 cursor 100 -2.5e1\n"
                                       "2-4 button LEFT\n"
                                       "5 button right\n"
                                       "3 scroll +1\n"
                                       "3 scroll -0.5\n"
                                       "\t12   release   Escape  \r\n");
    ASSERT_EQ(script.cursor.size(), 1u);
    EXPECT_EQ(script.cursor[0].position, glm::dvec2(100.0, -25.0));
    EXPECT_EQ(script.cursor[0].frames.last, 10);
    ASSERT_EQ(script.buttons.size(), 2u);
    EXPECT_EQ(script.buttons[0].button, MouseButton::Left);
    EXPECT_EQ(script.buttons[1].button, MouseButton::Right);
    ASSERT_EQ(script.scrolls.size(), 2u);
    EXPECT_EQ(script.scrolls[0].frame, 3);
    EXPECT_EQ(script.scrolls[0].yoffset, 1.0);
    EXPECT_EQ(script.scrolls[1].yoffset, -0.5);
    ASSERT_EQ(script.escapeReleases.size(), 1u);
    EXPECT_EQ(script.escapeReleases[0], 12);
}

TEST(ReplayScriptTest, FramesFarBeyondTheRunAreAccepted)
{
    const ReplayScript script = parsed("100000-200000 key up\n");
    EXPECT_EQ(script.keys.at(0).frames.last, 200000);
}

struct BadLine {
    const char* line;
    const char* mentions;
};

// Shows the line itself in test names and failure messages.
void PrintTo(const BadLine& bad, std::ostream* out) { *out << bad.line; }

class ReplayScriptBadLineTest : public ::testing::TestWithParam<BadLine> {};

TEST_P(ReplayScriptBadLineTest, IsRefusedWithItsLineNumber)
{
    // Two good lines before the bad one: the number counts every line,
    // comments and blanks included.
    const std::string text = std::string("0 key up\n# comment\n\n") + GetParam().line + "\n5 key down\n";
    const ScriptError error = refused(text);
    EXPECT_EQ(error.line, 4);
    EXPECT_EQ(error.message().rfind("line 4: ", 0), 0u) << error.message();
    EXPECT_NE(error.message().find(GetParam().mentions), std::string::npos) << error.message();
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ReplayScriptBadLineTest,
    ::testing::Values(BadLine{"up key 3", "'up'"}, BadLine{"-3 key up", "'-3'"}, BadLine{"+3 key up", "'+3'"},
                      BadLine{"3- key up", "'3-'"}, BadLine{"1-2-3 key up", "'1-2-3'"},
                      BadLine{"1.5 key up", "'1.5'"}, BadLine{"9-3 key up", "9-3 ends before it starts"},
                      BadLine{"99999999999999999999 key up", "frame number"}, BadLine{"4", "missing directive"},
                      BadLine{"4 press up", "unknown directive 'press'"}, BadLine{"4 key", "key NAME"},
                      BadLine{"4 key up qq", "unknown key 'qq'"}, BadLine{"4 key escape", "unknown key 'escape'"},
                      BadLine{"4 cursor 1", "cursor X Y"}, BadLine{"4 cursor 1 2 3", "unexpected '3'"},
                      BadLine{"4 cursor nan 2", "'nan'"}, BadLine{"4 cursor 1 inf", "'inf'"},
                      BadLine{"4 cursor 1 2px", "'2px'"}, BadLine{"4 button middle", "unknown button 'middle'"},
                      BadLine{"4 button", "button left|right"}, BadLine{"4-6 scroll 1", "single frame"},
                      BadLine{"4 scroll", "scroll DY"}, BadLine{"4 scroll 1e999", "'1e999'"},
                      BadLine{"4 scroll ++1", "'++1'"}, BadLine{"4 release space", "only escape"},
                      BadLine{"4-5 release escape", "single frame"},
                      BadLine{"4 release escape now", "unexpected 'now'"},
                      BadLine{"4-5 focus out", "single frame"}, BadLine{"4 focus away", "not 'away'"},
                      BadLine{"4 pad", "pad button NAME or"}, BadLine{"4 pad stick left_x 1", "pad button NAME or"},
                      BadLine{"4 pad button z", "unknown pad button 'z'"},
                      BadLine{"4 pad axis left_z 1", "unknown pad axis 'left_z'"},
                      BadLine{"4 pad axis left_x", "pad axis NAME VALUE"},
                      BadLine{"4 pad axis left_x 1.5", "outside -1 to 1"},
                      BadLine{"4 pad axis left_x nan", "'nan'"}));

TEST(ReplayScriptTest, ReadsFromAStream)
{
    std::istringstream in("0 key up\n1 bogus\n");
    const ScriptParse parse = parseReplayScript(in);
    ASSERT_TRUE(std::holds_alternative<ScriptError>(parse));
    EXPECT_EQ(std::get<ScriptError>(parse).line, 2);
}

} // namespace
} // namespace tavernrush
