#include "bench/BenchOptions.h"

#include "app/CommandLineReader.h"

#include <cstdlib>

namespace tavernrush {
namespace {

// A value given twice counts the last time, as in the Makefile's overrides.
bool takeWholeNumber(const char* name, const std::vector<std::string>& given, long& value, std::string& mistake)
{
    if (given.empty()) {
        return true;
    }
    char* end = nullptr;
    const long parsed = std::strtol(given.back().c_str(), &end, 10);
    if (given.back().empty() || *end != '\0' || parsed <= 0) {
        mistake = std::string(name) + " takes a whole number of at least 1, not '" + given.back() + "'";
        return false;
    }
    value = parsed;
    return true;
}

} // namespace

BenchOptionsParse parseBenchOptions(const std::vector<std::string>& arguments)
{
    std::vector<std::string> route, frames, floorFrames, bareFrames, startups, json, level, probe, settings;
    bool keepVsync = false;
    CommandLineReader reader;
    reader.addValues("--route", route);
    reader.addValues("--frames", frames);
    reader.addValues("--floor-frames", floorFrames);
    reader.addValues("--bare-frames", bareFrames);
    reader.addValues("--startups", startups);
    reader.addValues("--json", json);
    reader.addValues("--level", level);
    reader.addValues("--probe", probe);
    reader.addValues("--route-only-with", settings);
    reader.addFlag("--vsync", keepVsync);
    const CommandLineReader::Outcome outcome = reader.read(arguments);
    BenchOptionsParse parse{std::nullopt, outcome.helpAsked, outcome.mistake};
    if (parse.helpAsked || !parse.mistake.empty()) {
        return parse;
    }
    BenchOptions options;
    if (!takeWholeNumber("--frames", frames, options.frames.route, parse.mistake) ||
        !takeWholeNumber("--floor-frames", floorFrames, options.frames.floor, parse.mistake) ||
        !takeWholeNumber("--bare-frames", bareFrames, options.frames.bare, parse.mistake) ||
        !takeWholeNumber("--startups", startups, options.startups, parse.mistake)) {
        return parse;
    }
    if (route.empty() || route.back().empty()) {
        parse.mistake = "needs --route FILE";
        return parse;
    }
    options.route = route.back();
    if (!json.empty()) {
        options.json = json.back();
    }
    if (!level.empty()) {
        if (level.back().empty()) {
            parse.mistake = "option '--level' needs a value";
            return parse;
        }
        options.level = level.back();
    }
    if (!settings.empty()) {
        if (settings.back().empty()) {
            parse.mistake = "option '--route-only-with' needs a value";
            return parse;
        }
        options.windowSettings = settings.back();
    }
    options.keepVsync = keepVsync;
    // Only the benchmark itself starts its probes, with one of these.
    if (!probe.empty()) {
        options.probe = probe.back();
        if (options.probe != "game" && options.probe != "game-by-pass" && options.probe != "bare") {
            parse.mistake = "--probe takes game, game-by-pass or bare, not '" + options.probe + "'";
            return parse;
        }
    }
    parse.options = options;
    return parse;
}

std::string benchUsage()
{
    return "usage: tavernrush-bench --route FILE [--frames N] [--floor-frames N] [--bare-frames N]"
           " [--startups N] [--json FILE] [--level NAME] [--route-only-with SETTINGS [--vsync]]\n"
           "  --level NAME   play the level NAME (default: meadow)\n"
           "  --route-only-with SETTINGS   only the route's frames, in a window made from the\n"
           "                 settings file SETTINGS (its size and [graphics]); --vsync keeps its vsync\n";
}

} // namespace tavernrush
