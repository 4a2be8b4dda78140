#pragma once
// The benchmark's findings, printed as Markdown tables (for the README) and
// written as JSON (for whoever compares runs).

#include "bench/StartupRuns.h"
#include "replay/FrameTimeStats.h"
#include "scene/PassTimer.h"

#include <array>
#include <vector>
#include <iosfwd>
#include <string>

namespace tavernrush {

struct PassSummary {
    double queryMedianMs = 0.0;  // GL_TIME_ELAPSED
    double fencedMedianMs = 0.0; // between two glFinish calls
    double fencedMeanMs = 0.0;
};

struct BenchResults {
    std::string machine;
    int startupRuns = 0;
    StartupMeasure gameWarm;
    StartupMeasure gameCold;
    StartupMeasure bareStartup;
    FrameTimeSummary route;
    FrameTimeSummary floor;
    FrameTimeSummary bare;           // clear of colour and depth, swap
    FrameTimeSummary bareColourOnly; // clear of colour, swap
    std::array<PassSummary, renderPassCount> passes{};
    // The first frame's passes, fenced apart, from one more warm start-up.
    std::vector<StartupStepTotal> firstFramePasses;
    // The frame run's window, each timed route frame and its render scale.
    std::string windowSize;
    std::vector<double> routeMillis;
    std::vector<float> routeScales;
    // The floor and bare frames one by one: the route-only runs report them
    // beside the route.
    std::vector<double> floorMillis;
    std::vector<double> bareMillis;
};

void printMarkdown(const BenchResults& results, std::ostream& out);
void writeJson(const BenchResults& results, std::ostream& out);

} // namespace tavernrush
