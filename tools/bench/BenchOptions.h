#pragma once
// The benchmark's command line.

#include "bench/BenchObserver.h"

#include <optional>
#include <string>
#include <vector>

namespace tavernrush {

struct BenchOptions {
    std::string route;
    BenchFrameCounts frames;
    long startups = 3;
    std::string json;
    std::optional<std::string> level;
    std::string probe; // set in a start-up probe's own process
    // The route's frames alone, in a window made from this settings file
    // (its size, [graphics] and, with keepVsync, its vsync): no start-up
    // probes, no floor or bare frames.
    std::optional<std::string> windowSettings;
    bool keepVsync = false;
};

struct BenchOptionsParse {
    std::optional<BenchOptions> options;
    bool helpAsked = false;
    std::string mistake;
};

// The arguments after the program name.
BenchOptionsParse parseBenchOptions(const std::vector<std::string>& arguments);

std::string benchUsage();

} // namespace tavernrush
