// tavernrush-bench: start-up time, frame times over a committed route and the
// floor frame (clear, composite, swap) in the same window, on whatever GL
// driver is present. Run it from the build folder like the game.
//
//   tavernrush-bench --route FILE [--frames N] [--floor-frames N] [--json FILE]

#include "app/Game.h"
#include "scene/GlSceneRenderer.h"
#include "scene/Level.h"
#include "bench/BenchObserver.h"
#include "bench/FloorSwitchRenderer.h"
#include "replay/FixedStepClock.h"
#include "replay/FrameTimeStats.h"
#include "replay/ReplayScript.h"
#include "replay/ScriptedInput.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <thread>

namespace tavernrush {
namespace {

struct BenchOptions {
    std::string route;
    long routeFrames = 1200;
    long floorFrames = 300;
    std::string json;
};

int usage()
{
    std::cerr << "usage: tavernrush-bench --route FILE [--frames N] [--floor-frames N] [--json FILE]\n";
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

std::string fixed(double value, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

} // namespace
} // namespace tavernrush

int main(int argc, char** argv)
{
    using namespace tavernrush;
    BenchOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--route" && hasValue) {
            options.route = argv[++i];
        } else if (arg == "--json" && hasValue) {
            options.json = argv[++i];
        } else if (arg == "--frames" && hasValue) {
            if (!parsePositive(argv[++i], options.routeFrames)) {
                return usage();
            }
        } else if (arg == "--floor-frames" && hasValue) {
            if (!parsePositive(argv[++i], options.floorFrames)) {
                return usage();
            }
        } else {
            return usage();
        }
    }
    if (options.route.empty()) {
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

    ScriptedInput input(std::get<ReplayScript>(std::move(parsed)));
    FixedStepClock clock(1.0 / 60.0);
    std::unique_ptr<BenchObserver> observer;
    {
        // The frame times measure the work of a frame, not the wait for the
        // display's refresh that a player's vsync adds.
        const Settings settings = withoutVsync(loadGameSettings());
        const std::unique_ptr<GameWindow> window = openGameWindow(settings);
        if (!window) {
            return 1;
        }
        FrameRules rules = startRules(settings);
        Level level(settings);
        GlSceneRenderer game(level);
        FloorSwitchRenderer renderer(game);
        observer = std::make_unique<BenchObserver>(input, clock, renderer, options.routeFrames, options.floorFrames);
        FrameLoop loop(FrameLoopParts{settings, *window, input, clock, renderer, rules});
        runLoop(*window, loop, observer.get());
    }

    const FrameTimeSummary route = summarizeFrameTimes(observer->routeMillis());
    const FrameTimeSummary floor = summarizeFrameTimes(observer->floorMillis());
    const double ratioMedian = floor.medianMs > 0.0 ? route.medianMs / floor.medianMs : 0.0;
    const double ratioP95 = floor.p95Ms > 0.0 ? route.p95Ms / floor.p95Ms : 0.0;
    const std::string cpu = cpuModel();
    const unsigned cores = std::thread::hardware_concurrency();

    std::cout << "| measure | value |\n|---|---|\n"
              << "| start-up to first shown frame | " << fixed(observer->startupMillis(), 0) << " ms |\n"
              << "| route frame, median / p95 (" << route.frames << " frames) | " << fixed(route.medianMs, 2)
              << " / " << fixed(route.p95Ms, 2) << " ms |\n"
              << "| floor frame, median / p95 (" << floor.frames << " frames) | " << fixed(floor.medianMs, 2)
              << " / " << fixed(floor.p95Ms, 2) << " ms |\n"
              << "| route / floor, median (p95) | " << fixed(ratioMedian, 2) << " (" << fixed(ratioP95, 2)
              << ") |\n"
              << "| machine | " << cpu << ", " << cores << " threads, " << observer->rendererName() << " |\n";

    if (!options.json.empty()) {
        std::ofstream json(options.json);
        json << "{\n"
             << "  \"machine\": {\"cpu\": \"" << jsonEscaped(cpu) << "\", \"threads\": " << cores
             << ", \"renderer\": \"" << jsonEscaped(observer->rendererName()) << "\"},\n"
             << "  \"startupToFirstFrameMs\": " << fixed(observer->startupMillis(), 1) << ",\n"
             << "  \"route\": {\"frames\": " << route.frames << ", \"medianMs\": " << fixed(route.medianMs, 3)
             << ", \"p95Ms\": " << fixed(route.p95Ms, 3) << "},\n"
             << "  \"floor\": {\"frames\": " << floor.frames << ", \"medianMs\": " << fixed(floor.medianMs, 3)
             << ", \"p95Ms\": " << fixed(floor.p95Ms, 3) << "},\n"
             << "  \"routeOverFloorMedian\": " << fixed(ratioMedian, 3) << ",\n"
             << "  \"routeOverFloorP95\": " << fixed(ratioP95, 3) << "\n}\n";
        if (!json) {
            std::cerr << "tavernrush-bench: cannot write " << options.json << "\n";
            return 1;
        }
    }
    return 0;
}
