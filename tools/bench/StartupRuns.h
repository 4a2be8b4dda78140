#pragma once
// Starts the benchmark's own executable as a start-up probe several times
// and keeps the median run: process start to finished first image, measured
// on the steady clock both processes share.

#include "bench/StartupProbe.h"

#include <optional>
#include <string>
#include <vector>

namespace tavernrush {

struct StartupMeasure {
    double medianMs = 0.0;
    std::vector<double> runsMs;
    // The start-up steps of the median run.
    std::vector<StartupStepTotal> steps;
};

struct ProbeLaunch {
    std::string executable;
    std::vector<std::string> arguments; // after the executable's name
    // Turns Mesa's on-disk shader cache off for the probe: every program is
    // compiled from its source as on a machine's first start.
    bool withoutShaderCache = false;
};

// Nothing when a run fails; the reason is printed on standard error.
std::optional<StartupMeasure> measureStartups(const ProbeLaunch& launch, int runs);

} // namespace tavernrush
