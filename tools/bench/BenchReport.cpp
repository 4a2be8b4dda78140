#include "bench/BenchReport.h"

#include <cstdio>
#include <ostream>

namespace tavernrush {
namespace {

std::string fixed(double value, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

double ratio(double game, double bare) { return bare > 0.0 ? game / bare : 0.0; }

std::string jsonEscaped(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
        }
        if (static_cast<unsigned char>(c) >= 0x20) {
            out += c;
        }
    }
    return out;
}

double mainThreadMillis(const StartupMeasure& measure)
{
    double sum = 0.0;
    for (const StartupStepTotal& step : measure.steps) {
        if (!step.onWorker) {
            sum += step.millis;
        }
    }
    return sum;
}

void printStartupSteps(const StartupMeasure& measure, std::ostream& out)
{
    out << "| start-up step (median warm run) | main thread | worker threads | times |\n|---|---|---|---|\n";
    for (const StartupStepTotal& step : measure.steps) {
        const std::string millis = fixed(step.millis, 1) + " ms";
        out << "| " << step.name << " | " << (step.onWorker ? "" : millis) << " | " << (step.onWorker ? millis : "")
            << " | " << step.count << " |\n";
    }
    // Everything the steps do not cover: the process and its libraries
    // loading, the settings, the level's small objects, the waits between.
    out << "| the rest (process start, libraries, settings, small objects) | "
        << fixed(measure.medianMs - mainThreadMillis(measure), 1) << " ms | | |\n";
}

void printFirstFrame(const std::vector<StartupStepTotal>& passes, std::ostream& out)
{
    out << "\n| first frame by pass (one more warm start-up, passes fenced apart) | time |\n|---|---|\n";
    for (const StartupStepTotal& pass : passes) {
        out << "| " << pass.name.substr(pass.name.find(": ") + 2) << " | " << fixed(pass.millis, 1) << " ms |\n";
    }
}

void writeFrames(const char* name, const FrameTimeSummary& summary, std::ostream& out)
{
    out << "  \"" << name << "\": {\"frames\": " << summary.frames << ", \"medianMs\": " << fixed(summary.medianMs, 3)
        << ", \"p95Ms\": " << fixed(summary.p95Ms, 3) << "},\n";
}

void writeStartup(const char* name, const StartupMeasure& measure, std::ostream& out)
{
    out << "  \"" << name << "\": {\"medianMs\": " << fixed(measure.medianMs, 1) << ", \"runsMs\": [";
    for (std::size_t i = 0; i < measure.runsMs.size(); ++i) {
        out << (i == 0 ? "" : ", ") << fixed(measure.runsMs[i], 1);
    }
    out << "]},\n";
}

} // namespace

void printMarkdown(const BenchResults& r, std::ostream& out)
{
    const std::string runs = std::to_string(r.startupRuns);
    out << "| measure | game | bare window | game / bare |\n|---|---|---|---|\n"
        << "| start-up to first image, shader cache warm (median of " << runs << ") | "
        << fixed(r.gameWarm.medianMs, 0) << " ms | " << fixed(r.bareStartup.medianMs, 0) << " ms | "
        << fixed(ratio(r.gameWarm.medianMs, r.bareStartup.medianMs), 2) << " |\n"
        << "| start-up, shader cache off (median of " << runs << ") | " << fixed(r.gameCold.medianMs, 0) << " ms | "
        << fixed(r.bareStartup.medianMs, 0) << " ms | " << fixed(ratio(r.gameCold.medianMs, r.bareStartup.medianMs), 2)
        << " |\n"
        << "| route frame, median / p95 (" << r.route.frames << " and " << r.bare.frames << " frames) | "
        << fixed(r.route.medianMs, 2) << " / " << fixed(r.route.p95Ms, 2) << " ms | " << fixed(r.bare.medianMs, 2)
        << " / " << fixed(r.bare.p95Ms, 2) << " ms | " << fixed(ratio(r.route.medianMs, r.bare.medianMs), 2) << " ("
        << fixed(ratio(r.route.p95Ms, r.bare.p95Ms), 2) << ") |\n"
        << "| floor frame: composite and swap, median / p95 (" << r.floor.frames << " frames) | "
        << fixed(r.floor.medianMs, 2) << " / " << fixed(r.floor.p95Ms, 2) << " ms | | "
        << fixed(ratio(r.floor.medianMs, r.bare.medianMs), 2) << " |\n"
        << "| bare frame with the colour alone cleared, median / p95 | | " << fixed(r.bareColourOnly.medianMs, 2)
        << " / " << fixed(r.bareColourOnly.p95Ms, 2) << " ms | |\n"
        << "| machine | " << r.machine << " | | |\n\n";

    double totalMean = 0.0;
    double totalQueries = 0.0;
    for (const PassSummary& pass : r.passes) {
        totalMean += pass.fencedMeanMs;
        totalQueries += pass.queryMedianMs;
    }
    out << "| pass over the route | fenced, median | fenced, share of the mean | timer query, median |\n"
           "|---|---|---|---|\n";
    for (int index = 0; index < renderPassCount; ++index) {
        const PassSummary& pass = r.passes[static_cast<std::size_t>(index)];
        out << "| " << renderPassName(static_cast<RenderPass>(index)) << " | " << fixed(pass.fencedMedianMs, 2)
            << " ms | " << fixed(totalMean > 0.0 ? 100.0 * pass.fencedMeanMs / totalMean : 0.0, 0) << " % | "
            << fixed(pass.queryMedianMs, 2) << " ms |\n";
    }
    out << "| all passes (mean) | " << fixed(totalMean, 2) << " ms | | " << fixed(totalQueries, 2) << " ms |\n\n";
    printStartupSteps(r.gameWarm, out);
    printFirstFrame(r.firstFramePasses, out);
}

void writeJson(const BenchResults& r, std::ostream& out)
{
    out << "{\n  \"machine\": \"" << jsonEscaped(r.machine) << "\",\n";
    writeStartup("startupWarm", r.gameWarm, out);
    writeStartup("startupCold", r.gameCold, out);
    writeStartup("bareStartup", r.bareStartup, out);
    writeFrames("route", r.route, out);
    writeFrames("floor", r.floor, out);
    writeFrames("bare", r.bare, out);
    writeFrames("bareColourOnly", r.bareColourOnly, out);
    out << "  \"passesMs\": {";
    for (int index = 0; index < renderPassCount; ++index) {
        const PassSummary& pass = r.passes[static_cast<std::size_t>(index)];
        out << (index == 0 ? "" : ", ") << "\"" << renderPassName(static_cast<RenderPass>(index))
            << "\": {\"queryMedian\": " << fixed(pass.queryMedianMs, 3)
            << ", \"fencedMedian\": " << fixed(pass.fencedMedianMs, 3) << ", \"fencedMean\": " << fixed(pass.fencedMeanMs, 3)
            << "}";
    }
    out << "},\n  \"startupSteps\": [";
    for (std::size_t i = 0; i < r.gameWarm.steps.size(); ++i) {
        const StartupStepTotal& step = r.gameWarm.steps[i];
        out << (i == 0 ? "" : ", ") << "{\"name\": \"" << jsonEscaped(step.name) << "\", \"thread\": \""
            << (step.onWorker ? "worker" : "main") << "\", \"ms\": " << fixed(step.millis, 2)
            << ", \"count\": " << step.count << "}";
    }
    out << "],\n  \"ratios\": {\"startupWarm\": " << fixed(ratio(r.gameWarm.medianMs, r.bareStartup.medianMs), 3)
        << ", \"startupCold\": " << fixed(ratio(r.gameCold.medianMs, r.bareStartup.medianMs), 3)
        << ", \"routeFrameMedian\": " << fixed(ratio(r.route.medianMs, r.bare.medianMs), 3)
        << ", \"routeFrameP95\": " << fixed(ratio(r.route.p95Ms, r.bare.p95Ms), 3)
        << ", \"floorFrameMedian\": " << fixed(ratio(r.floor.medianMs, r.bare.medianMs), 3) << "}\n}\n";
}

} // namespace tavernrush
