// Keys, buttons and the cursor as the scripted input reports them frame by
// frame.

#include "app/ScriptedInput.h"

#include <gtest/gtest.h>

namespace tavernrush {
namespace {

ScriptedInput inputFrom(std::string_view text)
{
    ScriptParse parse = parseReplayScript(text);
    EXPECT_TRUE(std::holds_alternative<ReplayScript>(parse));
    return ScriptedInput(std::get<ReplayScript>(std::move(parse)));
}

TEST(ReplayScriptedInputTest, KeysAreHeldOnlyInsideTheirInclusiveRanges)
{
    ScriptedInput input = inputFrom("1-3 key up\n5 key up space\n");
    const bool upExpected[] = {false, true, true, true, false, true, false};
    for (long frame = 0; frame < 7; ++frame) {
        input.setFrame(frame);
        EXPECT_EQ(input.isKeyHeld(Action::Forward), upExpected[frame]) << "frame " << frame;
        EXPECT_EQ(input.isKeyHeld(Action::Jump), frame == 5) << "frame " << frame;
        EXPECT_FALSE(input.isKeyHeld(Action::Back)) << "frame " << frame;
    }
}

TEST(ReplayScriptedInputTest, FocusFollowsTheLatestLineAndPadAxesRestOutsideTheirLines)
{
    ScriptedInput input = inputFrom("3 focus out\n6 focus in\n2-4 pad axis left_y -1\n4 pad axis left_y 0.5\n"
                                    "4 pad button a\n");
    const bool focused[] = {true, true, true, false, false, false, true, true};
    for (long frame = 0; frame < 8; ++frame) {
        input.setFrame(frame);
        EXPECT_EQ(input.hasFocus(), focused[frame]) << "frame " << frame;
    }
    input.setFrame(3);
    EXPECT_EQ(input.gamepad().axis(PadAxis::LeftY), -1.0f);
    EXPECT_FALSE(input.gamepad().held(PadButton::A));
    input.setFrame(4);
    EXPECT_EQ(input.gamepad().axis(PadAxis::LeftY), 0.5f);
    EXPECT_TRUE(input.gamepad().held(PadButton::A));
    input.setFrame(5);
    EXPECT_EQ(input.gamepad().axis(PadAxis::LeftY), 0.0f);
    EXPECT_EQ(input.gamepad().axis(PadAxis::LeftTrigger), -1.0f);
}

TEST(ReplayScriptedInputTest, ButtonsAreHeldOnlyInTheListedFramesAndApart)
{
    ScriptedInput input = inputFrom("2-3 button left\n3-4 button right\n");
    input.setFrame(1);
    EXPECT_FALSE(input.isButtonHeld(MouseButton::Left));
    EXPECT_FALSE(input.isButtonHeld(MouseButton::Right));
    input.setFrame(3);
    EXPECT_TRUE(input.isButtonHeld(MouseButton::Left));
    EXPECT_TRUE(input.isButtonHeld(MouseButton::Right));
    input.setFrame(4);
    EXPECT_FALSE(input.isButtonHeld(MouseButton::Left));
    EXPECT_TRUE(input.isButtonHeld(MouseButton::Right));
    input.setFrame(5);
    EXPECT_FALSE(input.isButtonHeld(MouseButton::Right));
}

TEST(ReplayScriptedInputTest, CursorStartsAtTheOriginAndStaysWhereItWasLastPut)
{
    ScriptedInput input = inputFrom("3-4 cursor 10 20\n8 cursor -5 7.5\n");
    input.setFrame(2);
    EXPECT_EQ(input.cursorPosition(), glm::dvec2(0.0, 0.0));
    input.setFrame(3);
    EXPECT_EQ(input.cursorPosition(), glm::dvec2(10.0, 20.0));
    // After its range the cursor does not jump back: that would be a drag.
    input.setFrame(6);
    EXPECT_EQ(input.cursorPosition(), glm::dvec2(10.0, 20.0));
    input.setFrame(8);
    EXPECT_EQ(input.cursorPosition(), glm::dvec2(-5.0, 7.5));
    input.setFrame(1000);
    EXPECT_EQ(input.cursorPosition(), glm::dvec2(-5.0, 7.5));
}

TEST(ReplayScriptedInputTest, OverlappingCursorLinesLetTheLatestFrameThenTheLaterLineWin)
{
    // A long sweep with a short move inside it, listed first and last.
    ScriptedInput input = inputFrom("0-10 cursor 1 1\n4-5 cursor 2 2\n");
    input.setFrame(4);
    EXPECT_EQ(input.cursorPosition(), glm::dvec2(2.0, 2.0));
    input.setFrame(6);
    EXPECT_EQ(input.cursorPosition(), glm::dvec2(1.0, 1.0));

    ScriptedInput reversed = inputFrom("4-5 cursor 2 2\n0-10 cursor 1 1\n");
    reversed.setFrame(4);
    EXPECT_EQ(reversed.cursorPosition(), glm::dvec2(1.0, 1.0));
    // Past both, the one covering the later frame holds.
    reversed.setFrame(20);
    EXPECT_EQ(reversed.cursorPosition(), glm::dvec2(1.0, 1.0));
}

} // namespace
} // namespace tavernrush
