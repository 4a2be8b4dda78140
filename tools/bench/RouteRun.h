#pragma once
// The route's frames alone in a window made from a settings file: how long
// they took, how evenly they came (the frame pacing) and the render scale
// each was drawn at.

#include "replay/FrameTimeStats.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace tavernrush {

struct FramePacing {
    double p5Ms = 0.0;
    double p95Ms = 0.0;
    double standardDeviationMs = 0.0;
    // Frames longer than one and a half times the median: with vsync, the
    // ones that missed the display and took two refresh intervals.
    double shareLongPercent = 0.0;
};

FramePacing framePacingOf(std::vector<double> millis);

struct RouteRun {
    // What the window was: its size and the settings file it was made from.
    std::string label;
    std::vector<double> millis;
    std::vector<float> scales;
    // In the same window after the route: the composite of the last scene
    // image and the swap (the work at the window's own size, whatever the
    // scale), and the window cleared and swapped alone.
    std::vector<double> floorMillis;
    std::vector<double> bareMillis;
};

// One table row: frames, median and p95, the spread, the scales drawn at,
// the floor and the bare frame's median and p95.
void printRouteRun(const RouteRun& run, std::ostream& out);
void writeRouteRunJson(const RouteRun& run, std::ostream& out);

} // namespace tavernrush
