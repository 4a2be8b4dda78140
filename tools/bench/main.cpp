// tavernrush-bench: the game against a bare window on whatever GL driver is
// present. Start-up (with the driver's shader cache warm and off) is measured
// in fresh processes of this same executable; the route's frames, their GPU
// time per pass, floor frames and bare frames in one window. Run it from the
// build folder like the game.
//
//   tavernrush-bench --route FILE [--frames N] [--floor-frames N]
//                    [--bare-frames N] [--startups N] [--json FILE]

#include "bench/BenchGame.h"
#include "bench/BenchObserver.h"
#include "bench/BenchReport.h"
#include "bench/GpuPassTimer.h"
#include "bench/PhaseRenderer.h"
#include "bench/StartupProbe.h"
#include "bench/StartupRuns.h"
#include "replay/FixedStepClock.h"
#include "replay/ReplayScript.h"
#include "replay/ScriptedInput.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <memory>
#include <numeric>
#include <string>
#include <thread>

namespace tavernrush {
namespace {

struct BenchOptions {
    std::string route;
    BenchFrameCounts frames;
    long startups = 3;
    std::string json;
    std::string probe; // set in a start-up probe's own process
};

int usage()
{
    std::cerr << "usage: tavernrush-bench --route FILE [--frames N] [--floor-frames N] [--bare-frames N]"
                 " [--startups N] [--json FILE]\n";
    return 2;
}

bool parsePositive(const char* text, long& value)
{
    char* end = nullptr;
    const long parsed = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || parsed <= 0) {
        return false;
    }
    value = parsed;
    return true;
}

bool parseOptions(int argc, char** argv, BenchOptions& options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 >= argc) {
            return false;
        }
        const char* value = argv[++i];
        if (arg == "--route") {
            options.route = value;
        } else if (arg == "--json") {
            options.json = value;
        } else if (arg == "--probe" && (std::string(value) == "game" || std::string(value) == "game-by-pass" ||
                                        std::string(value) == "bare")) {
            options.probe = value;
        } else if (!((arg == "--frames" && parsePositive(value, options.frames.route)) ||
                     (arg == "--floor-frames" && parsePositive(value, options.frames.floor)) ||
                     (arg == "--bare-frames" && parsePositive(value, options.frames.bare)) ||
                     (arg == "--startups" && parsePositive(value, options.startups)))) {
            return false;
        }
    }
    return !options.route.empty();
}

std::string cpuModel()
{
    std::ifstream cpuinfo("/proc/cpuinfo");
    std::string line;
    while (std::getline(cpuinfo, line)) {
        if (line.rfind("model name", 0) == 0) {
            const std::size_t colon = line.find(':');
            return colon == std::string::npos ? line : line.substr(colon + 2);
        }
    }
    return "unknown";
}

double meanOf(const std::vector<double>& millis)
{
    return millis.empty() ? 0.0 : std::accumulate(millis.begin(), millis.end(), 0.0) / static_cast<double>(millis.size());
}

PassSummary summarizePass(const GpuPassTimer& timer, RenderPass pass)
{
    return PassSummary{summarizeFrameTimes(timer.millis(pass)).medianMs,
                       summarizeFrameTimes(timer.fencedMillis(pass)).medianMs, meanOf(timer.fencedMillis(pass))};
}

std::optional<StartupMeasure> measure(const BenchOptions& options, const char* kind, bool withoutShaderCache, long runs)
{
    ProbeLaunch launch{"/proc/self/exe", {"--route", options.route, "--probe", kind}, withoutShaderCache};
    return measureStartups(launch, static_cast<int>(runs));
}

// The route, floor and bare frames in one window; fills the frame figures.
bool runFrames(const BenchOptions& options, ReplayScript route, BenchResults& results)
{
    ScriptedInput input(std::move(route));
    FixedStepClock clock(1.0 / 60.0);
    return withBenchGame([&](BenchGame& game) {
        GpuPassTimer passTimer;
        game.renderer.setPassTimer(&passTimer);
        PhaseRenderer renderer(game.renderer);
        BenchObserver observer(input, clock, renderer, passTimer, options.frames);
        FrameLoop loop(FrameLoopParts{game.settings, game.window, input, clock, renderer, game.rules});
        runLoop(game.window, loop, &observer);
        passTimer.collectAll();

        results.route = summarizeFrameTimes(observer.routeMillis());
        results.floor = summarizeFrameTimes(observer.floorMillis());
        results.bare = summarizeFrameTimes(observer.bareMillis());
        results.bareColourOnly = summarizeFrameTimes(observer.bareColourOnlyMillis());
        for (int index = 0; index < renderPassCount; ++index) {
            results.passes[static_cast<std::size_t>(index)] = summarizePass(passTimer, static_cast<RenderPass>(index));
        }
        results.machine = cpuModel() + ", " + std::to_string(std::thread::hardware_concurrency()) + " threads, " +
                          observer.rendererName();
    });
}

} // namespace
} // namespace tavernrush

int main(int argc, char** argv)
{
    using namespace tavernrush;
    BenchOptions options;
    if (!parseOptions(argc, argv, options)) {
        return usage();
    }
    std::ifstream routeFile(options.route);
    if (!routeFile) {
        std::cerr << "tavernrush-bench: cannot read " << options.route << "\n";
        return 2;
    }
    ScriptParse parsed = parseReplayScript(routeFile);
    if (const auto* error = std::get_if<ScriptError>(&parsed)) {
        std::cerr << "tavernrush-bench: " << options.route << ": " << error->message() << "\n";
        return 2;
    }
    ReplayScript route = std::get<ReplayScript>(std::move(parsed));
    if (!options.probe.empty()) {
        const ProbeKind kind = options.probe == "game"           ? ProbeKind::game
                               : options.probe == "game-by-pass" ? ProbeKind::gameByPass
                                                                 : ProbeKind::bare;
        return runStartupProbe(kind, std::move(route));
    }

    BenchResults results;
    results.startupRuns = static_cast<int>(options.startups);
    // One start-up first, unmeasured, so the warm runs find the shader cache
    // filled whatever ran before.
    const auto primer = measure(options, "game", false, 1);
    const auto bare = measure(options, "bare", false, options.startups);
    const auto warm = measure(options, "game", false, options.startups);
    const auto cold = measure(options, "game", true, options.startups);
    const auto byPass = measure(options, "game-by-pass", false, 1);
    if (!primer || !bare || !warm || !cold || !byPass) {
        return 1;
    }
    for (const StartupStepTotal& step : byPass->steps) {
        if (step.name.rfind("first frame: ", 0) == 0) {
            results.firstFramePasses.push_back(step);
        }
    }
    results.bareStartup = *bare;
    results.gameWarm = *warm;
    results.gameCold = *cold;
    if (!runFrames(options, std::move(route), results)) {
        return 1;
    }

    printMarkdown(results, std::cout);
    if (!options.json.empty()) {
        std::ofstream json(options.json);
        writeJson(results, json);
        if (!json) {
            std::cerr << "tavernrush-bench: cannot write " << options.json << "\n";
            return 1;
        }
    }
    return 0;
}
