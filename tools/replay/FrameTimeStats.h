#pragma once
// The summary printed after a replay: how long the frames took in wall time.

#include <string>
#include <vector>

namespace tavernrush {

struct FrameTimeSummary {
    std::size_t frames = 0;
    double medianMs = 0.0;
    double p95Ms = 0.0;
};

// Median (mean of the middle two for an even count) and the nearest-rank
// 95th percentile: the smallest time that at least 95 % of the frames stay
// within. No frames give zeros.
FrameTimeSummary summarizeFrameTimes(std::vector<double> millis);

// "frames: 600  median: 3.21 ms  p95: 4.87 ms"
std::string formatFrameTimeSummary(const FrameTimeSummary& summary);

} // namespace tavernrush
