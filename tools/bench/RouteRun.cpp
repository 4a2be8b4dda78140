#include "bench/RouteRun.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <numeric>
#include <ostream>

namespace tavernrush {
namespace {

std::string fixed(double value, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

// Nearest rank, as summarizeFrameTimes takes the p95.
double percentile(const std::vector<double>& sorted, std::size_t percent)
{
    const std::size_t rank = std::max<std::size_t>(1, (sorted.size() * percent + 99) / 100);
    return sorted[rank - 1];
}

std::string medianAndP95(const std::vector<double>& millis)
{
    const FrameTimeSummary summary = summarizeFrameTimes(millis);
    return fixed(summary.medianMs, 2) + " / " + fixed(summary.p95Ms, 2) + " ms";
}

std::string summaryJson(const std::vector<double>& millis)
{
    const FrameTimeSummary summary = summarizeFrameTimes(millis);
    return "{\"frames\": " + std::to_string(summary.frames) + ", \"medianMs\": " + fixed(summary.medianMs, 3) +
           ", \"p95Ms\": " + fixed(summary.p95Ms, 3) + "}";
}

} // namespace

FramePacing framePacingOf(std::vector<double> millis)
{
    FramePacing pacing;
    if (millis.empty()) {
        return pacing;
    }
    std::sort(millis.begin(), millis.end());
    pacing.p5Ms = percentile(millis, 5);
    pacing.p95Ms = percentile(millis, 95);
    const double count = static_cast<double>(millis.size());
    const double mean = std::accumulate(millis.begin(), millis.end(), 0.0) / count;
    double squares = 0.0;
    for (const double ms : millis) {
        squares += (ms - mean) * (ms - mean);
    }
    pacing.standardDeviationMs = std::sqrt(squares / count);
    const double median = summarizeFrameTimes(millis).medianMs;
    const auto longFrames = std::count_if(millis.begin(), millis.end(), [&](double ms) { return ms > 1.5 * median; });
    pacing.shareLongPercent = 100.0 * static_cast<double>(longFrames) / count;
    return pacing;
}

void printRouteRun(const RouteRun& run, std::ostream& out)
{
    const FrameTimeSummary summary = summarizeFrameTimes(run.millis);
    const FramePacing pacing = framePacingOf(run.millis);
    // The scales as "1.000 x 40, 0.750 x 900": how many frames drew at each.
    std::map<float, int> framesAtScale;
    for (const float scale : run.scales) {
        ++framesAtScale[scale];
    }
    std::string scales;
    for (auto it = framesAtScale.rbegin(); it != framesAtScale.rend(); ++it) {
        scales += (scales.empty() ? "" : ", ") + fixed(it->first, 3) + " x " + std::to_string(it->second);
    }
    out << "| " << run.label << " | " << summary.frames << " | " << fixed(summary.medianMs, 2) << " / "
        << fixed(summary.p95Ms, 2) << " ms | " << fixed(pacing.p5Ms, 2) << " to " << fixed(pacing.p95Ms, 2)
        << " ms, sd " << fixed(pacing.standardDeviationMs, 2) << " ms, " << fixed(pacing.shareLongPercent, 1)
        << " % over 1.5 x median | " << scales << " | " << medianAndP95(run.floorMillis) << " | "
        << medianAndP95(run.bareMillis) << " |\n";
}

void writeRouteRunJson(const RouteRun& run, std::ostream& out)
{
    const FramePacing pacing = framePacingOf(run.millis);
    out << "{\n  \"window\": \"" << run.label << "\",\n  \"route\": " << summaryJson(run.millis)
        << ",\n  \"floor\": " << summaryJson(run.floorMillis) << ",\n  \"bare\": " << summaryJson(run.bareMillis)
        << ",\n  \"pacing\": {\"p5Ms\": " << fixed(pacing.p5Ms, 3) << ", \"p95Ms\": " << fixed(pacing.p95Ms, 3)
        << ", \"sdMs\": " << fixed(pacing.standardDeviationMs, 3)
        << ", \"longPercent\": " << fixed(pacing.shareLongPercent, 2) << "},\n  \"frameMs\": [";
    for (std::size_t i = 0; i < run.millis.size(); ++i) {
        out << (i == 0 ? "" : ", ") << fixed(run.millis[i], 3);
    }
    out << "],\n  \"renderScale\": [";
    for (std::size_t i = 0; i < run.scales.size(); ++i) {
        out << (i == 0 ? "" : ", ") << fixed(run.scales[i], 3);
    }
    out << "]\n}\n";
}

} // namespace tavernrush
