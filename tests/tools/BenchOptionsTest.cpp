// The benchmark's command line: what it carries to the runs, and the
// mistakes that stop it with the usage.

#include "bench/BenchOptions.h"

#include <gtest/gtest.h>

namespace tavernrush {
namespace {

TEST(BenchOptionsTest, CarriesTheRouteCountsAndLevel)
{
    const BenchOptionsParse parse =
        parseBenchOptions({"--route", "route.replay", "--frames=50", "--startups", "2", "--level", "cellar"});
    ASSERT_TRUE(parse.options) << parse.mistake;
    EXPECT_EQ(parse.options->route, "route.replay");
    EXPECT_EQ(parse.options->frames.route, 50);
    EXPECT_EQ(parse.options->startups, 2);
    EXPECT_EQ(parse.options->level, "cellar");
    EXPECT_FALSE(parseBenchOptions({"--route", "route.replay"}).options->level);
    EXPECT_TRUE(parseBenchOptions({"--help", "--bogus"}).helpAsked);

    const BenchOptionsParse routeOnly =
        parseBenchOptions({"--route", "r", "--route-only-with", "full-hd.ini", "--vsync"});
    ASSERT_TRUE(routeOnly.options) << routeOnly.mistake;
    EXPECT_EQ(routeOnly.options->windowSettings, "full-hd.ini");
    EXPECT_TRUE(routeOnly.options->keepVsync);
    EXPECT_FALSE(parseBenchOptions({"--route", "r"}).options->windowSettings);
}

TEST(BenchOptionsTest, RefusesWhatItCannotRun)
{
    const std::vector<std::pair<std::vector<std::string>, std::string>> mistakes{
        {{}, "needs --route FILE"},
        {{"--route", "r", "--level"}, "option '--level' needs a value"},
        {{"--route", "r", "--level="}, "option '--level' needs a value"},
        {{"--route", "r", "--route-only-with="}, "option '--route-only-with' needs a value"},
        {{"--route", "r", "--frames", "0"}, "--frames takes a whole number of at least 1, not '0'"},
        {{"--route", "r", "--probe", "window"}, "--probe takes game, game-by-pass or bare, not 'window'"},
        {{"--route", "r", "--fps", "60"}, "unknown option '--fps'"},
    };
    for (const auto& [arguments, mistake] : mistakes) {
        const BenchOptionsParse parse = parseBenchOptions(arguments);
        EXPECT_FALSE(parse.options) << mistake;
        EXPECT_EQ(parse.mistake, mistake);
    }
}

} // namespace
} // namespace tavernrush
