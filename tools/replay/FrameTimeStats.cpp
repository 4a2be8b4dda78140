#include "replay/FrameTimeStats.h"

#include <algorithm>
#include <cstdio>

namespace tavernrush {

FrameTimeSummary summarizeFrameTimes(std::vector<double> millis)
{
    FrameTimeSummary summary;
    summary.frames = millis.size();
    if (millis.empty()) {
        return summary;
    }
    std::sort(millis.begin(), millis.end());
    const std::size_t count = millis.size();
    summary.medianMs = count % 2 == 1 ? millis[count / 2] : (millis[count / 2 - 1] + millis[count / 2]) / 2.0;
    // Rank ceil(0.95 n), counted from 1; in integers to stay clear of
    // 0.95 * n landing a hair above a whole number.
    const std::size_t rank = (count * 95 + 99) / 100;
    summary.p95Ms = millis[rank - 1];
    return summary;
}

std::string formatFrameTimeSummary(const FrameTimeSummary& summary)
{
    char text[96];
    std::snprintf(text, sizeof text, "frames: %zu  median: %.2f ms  p95: %.2f ms", summary.frames, summary.medianMs,
                  summary.p95Ms);
    return text;
}

} // namespace tavernrush
