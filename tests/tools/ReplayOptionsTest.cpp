// The replay tool's command line: defaults, every option, and the mistakes
// that must stop it with the usage text.

#include "replay/ReplayOptions.h"

#include <gtest/gtest.h>

namespace tavernrush {
namespace {

ReplayOptions accepted(const std::vector<std::string>& args)
{
    const OptionsParse parse = parseReplayOptions(args);
    if (const auto* error = std::get_if<OptionsError>(&parse)) {
        ADD_FAILURE() << error->message;
        return {};
    }
    EXPECT_TRUE(std::holds_alternative<ReplayOptions>(parse));
    return std::holds_alternative<ReplayOptions>(parse) ? std::get<ReplayOptions>(parse) : ReplayOptions{};
}

std::string refusal(const std::vector<std::string>& args)
{
    const OptionsParse parse = parseReplayOptions(args);
    if (const auto* error = std::get_if<OptionsError>(&parse)) {
        return error->message;
    }
    ADD_FAILURE() << "accepted";
    return {};
}

TEST(ReplayOptionsTest, DefaultsAreSixHundredFramesAtSixtyPerSecondWithNothingRecorded)
{
    const ReplayOptions options = accepted({});
    EXPECT_EQ(options.frames, 600);
    EXPECT_DOUBLE_EQ(options.dt, 1.0 / 60.0);
    EXPECT_TRUE(options.scriptPath.empty());
    EXPECT_TRUE(options.tracePath.empty());
    EXPECT_TRUE(options.shots.empty());
    EXPECT_FALSE(options.level);
}

TEST(ReplayOptionsTest, ReadsEveryOptionAndRepeatedShots)
{
    const ReplayOptions options =
        accepted({"--script", "walk.txt", "--frames=90", "--dt", "0.02", "--trace", "out.jsonl", "--shot",
                  "0:first.png", "--shot=89:dir/last:1.png", "--level", "cellar"});
    EXPECT_EQ(options.scriptPath, "walk.txt");
    EXPECT_EQ(options.level, "cellar");
    EXPECT_EQ(options.frames, 90);
    EXPECT_DOUBLE_EQ(options.dt, 0.02);
    EXPECT_EQ(options.tracePath, "out.jsonl");
    ASSERT_EQ(options.shots.size(), 2u);
    EXPECT_EQ(options.shots[0].frame, 0);
    EXPECT_EQ(options.shots[0].path, "first.png");
    // Only the first colon separates the frame from the file name.
    EXPECT_EQ(options.shots[1].frame, 89);
    EXPECT_EQ(options.shots[1].path, "dir/last:1.png");
}

TEST(ReplayOptionsTest, HelpWinsOverEverythingElse)
{
    EXPECT_TRUE(std::holds_alternative<HelpRequested>(parseReplayOptions({"--frames", "3", "--help"})));
    EXPECT_TRUE(std::holds_alternative<HelpRequested>(parseReplayOptions({"-h"})));
    EXPECT_NE(replayUsage("tavernrush-replay").find("--shot N:FILE.png"), std::string::npos);
}

TEST(ReplayOptionsTest, RefusesMalformedValues)
{
    EXPECT_NE(refusal({"--frames", "0"}).find("--frames"), std::string::npos);
    EXPECT_NE(refusal({"--frames", "-5"}).find("--frames"), std::string::npos);
    EXPECT_NE(refusal({"--frames", "ten"}).find("'ten'"), std::string::npos);
    EXPECT_NE(refusal({"--dt", "0"}).find("--dt"), std::string::npos);
    EXPECT_NE(refusal({"--dt", "-0.1"}).find("--dt"), std::string::npos);
    EXPECT_NE(refusal({"--dt", "nan"}).find("--dt"), std::string::npos);
    EXPECT_NE(refusal({"--dt", "1/60"}).find("'1/60'"), std::string::npos);
    // Positive, but zero or infinite in the game's single-precision time.
    EXPECT_NE(refusal({"--dt", "1e-300"}).find("--dt"), std::string::npos);
    EXPECT_NE(refusal({"--dt", "1e300"}).find("--dt"), std::string::npos);
    EXPECT_NE(refusal({"--shot", "shot.png"}).find("--shot"), std::string::npos);
    EXPECT_NE(refusal({"--shot", "3:"}).find("--shot"), std::string::npos);
    EXPECT_NE(refusal({"--shot", "-1:a.png"}).find("--shot"), std::string::npos);
    EXPECT_NE(refusal({"--script", ""}).find("--script"), std::string::npos);
}

TEST(ReplayOptionsTest, RefusesUnknownMissingAndRepeatedOptions)
{
    EXPECT_NE(refusal({"--fps", "60"}).find("'--fps'"), std::string::npos);
    EXPECT_NE(refusal({"walk.txt"}).find("'walk.txt'"), std::string::npos);
    EXPECT_NE(refusal({"--trace"}).find("needs a value"), std::string::npos);
    EXPECT_NE(refusal({"--level"}).find("'--level' needs a value"), std::string::npos);
    EXPECT_NE(refusal({"--frames="}).find("'--frames' needs a value"), std::string::npos);
    EXPECT_NE(refusal({"--level", "a", "--level", "b"}).find("--level"), std::string::npos);
    EXPECT_NE(refusal({"--frames", "5", "--frames", "6"}).find("--frames"), std::string::npos);
    EXPECT_NE(refusal({"--script", "a", "--script", "b"}).find("--script"), std::string::npos);
}

TEST(ReplayOptionsTest, RefusesShotsTheRunNeverReaches)
{
    EXPECT_NE(refusal({"--frames", "10", "--shot", "10:late.png"}).find("beyond"), std::string::npos);
    // The default length counts too.
    EXPECT_NE(refusal({"--shot", "600:late.png"}).find("beyond"), std::string::npos);
    EXPECT_EQ(accepted({"--shot", "599:last.png"}).shots.size(), 1u);
}

} // namespace
} // namespace tavernrush
