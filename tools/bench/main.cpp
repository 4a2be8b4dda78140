// tavernrush-bench: the game against a bare window on whatever GL driver is
// present. Start-up (with the driver's shader cache warm and off) is measured
// in fresh processes of this same executable; the route's frames, their GPU
// time per pass, floor frames and bare frames in one window. Run it from the
// build folder like the game.
//
//   tavernrush-bench --route FILE [--frames N] [--floor-frames N]
//                    [--bare-frames N] [--startups N] [--json FILE] [--level NAME]
//   tavernrush-bench --route FILE --route-only-with SETTINGS [--vsync] [--frames N] [--json FILE]
// The second form plays the route alone in a window made from SETTINGS (a
// full-screen size, a render scale) and prints one row: its frame times,
// their spread and the render scales drawn at.

#include "app/Game.h"
#include "app/PictureMemoryReuse.h"
#include "bench/BenchGame.h"
#include "bench/BenchObserver.h"
#include "bench/BenchOptions.h"
#include "bench/BenchReport.h"
#include "bench/GpuPassTimer.h"
#include "bench/PhaseRenderer.h"
#include "bench/RouteRun.h"
#include "bench/StartupProbe.h"
#include "bench/StartupRuns.h"
#include "scene/GlSceneRenderer.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <numeric>
#include <optional>
#include <string>
#include <thread>

namespace tavernrush {
namespace {

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
    if (options.level) {
        launch.arguments.insert(launch.arguments.end(), {"--level", *options.level});
    }
    return measureStartups(launch, static_cast<int>(runs));
}

// The route, floor and bare frames in one window, behind the phases'
// renderer with the passes timed; fills the frame figures.
class FrameRun : public BenchHooks {
public:
    FrameRun(ReplayScript route, const BenchFrameCounts& frames, BenchResults& results)
        : BenchHooks(std::move(route)), frames_(frames), results_(results)
    {
    }
    SceneRenderer& renderer(GlSceneRenderer& game) override
    {
        game_ = &game;
        passTimer_.emplace();
        game.setPassTimer(&*passTimer_);
        phases_.emplace(game);
        observer_.emplace(input_, clock_, *phases_, *passTimer_, game, frames_);
        return *phases_;
    }
    void play(GameWindow& window, FrameLoop& loop) override
    {
        runLoop(window, loop, &*observer_);
        passTimer_->collectAll();
        const glm::ivec2 size = window.framebufferSize();
        results_.windowSize = std::to_string(size.x) + " x " + std::to_string(size.y);
        results_.routeMillis = observer_->routeMillis();
        results_.routeScales = observer_->routeScales();
        results_.floorMillis = observer_->floorMillis();
        results_.bareMillis = observer_->bareMillis();

        results_.route = summarizeFrameTimes(observer_->routeMillis());
        results_.floor = summarizeFrameTimes(observer_->floorMillis());
        results_.bare = summarizeFrameTimes(observer_->bareMillis());
        results_.bareColourOnly = summarizeFrameTimes(observer_->bareColourOnlyMillis());
        for (int index = 0; index < renderPassCount; ++index) {
            results_.passes[static_cast<std::size_t>(index)] = summarizePass(*passTimer_, static_cast<RenderPass>(index));
        }
        results_.machine = cpuModel() + ", " + std::to_string(std::thread::hardware_concurrency()) + " threads, " +
                           observer_->rendererName();
        // The timer's queries go with the context, so they go now.
        game_->setPassTimer(nullptr);
        observer_.reset();
        phases_.reset();
        passTimer_.reset();
    }

private:
    BenchFrameCounts frames_;
    BenchResults& results_;
    GlSceneRenderer* game_ = nullptr;
    std::optional<GpuPassTimer> passTimer_;
    std::optional<PhaseRenderer> phases_;
    std::optional<BenchObserver> observer_;
};

int runRouteOnly(const BenchOptions& options, ReplayScript route)
{
    BenchResults results;
    BenchFrameCounts counts = options.frames;
    counts.routeOnly = true;
    FrameRun frames(std::move(route), counts, results);
    if (const int status =
            composeRun(benchRunOptions(options.level, options.windowSettings, options.keepVsync), frames);
        status != 0) {
        return status;
    }
    const std::string settingsName = std::filesystem::path(*options.windowSettings).filename().string();
    const RouteRun run{results.windowSize + ", " + settingsName + (options.keepVsync ? ", vsync" : ""),
                       results.routeMillis, results.routeScales, results.floorMillis, results.bareMillis};
    printRouteRun(run, std::cout);
    if (!options.json.empty()) {
        std::ofstream json(options.json);
        writeRouteRunJson(run, json);
        if (!json) {
            std::cerr << "tavernrush-bench: cannot write " << options.json << "\n";
            return 1;
        }
    }
    return 0;
}

} // namespace
} // namespace tavernrush

int main(int argc, char** argv)
{
    using namespace tavernrush;
    reuseFreedPictureMemory();
    const BenchOptionsParse command =
        parseBenchOptions(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc));
    if (command.helpAsked) {
        std::cout << benchUsage();
        return 0;
    }
    if (!command.options) {
        std::cerr << "tavernrush-bench: " << command.mistake << "\n" << benchUsage();
        return 2;
    }
    const BenchOptions& options = *command.options;
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
    if (options.windowSettings) {
        return runRouteOnly(options, std::move(route));
    }
    if (!options.probe.empty()) {
        const ProbeKind kind = options.probe == "game"           ? ProbeKind::game
                               : options.probe == "game-by-pass" ? ProbeKind::gameByPass
                                                                 : ProbeKind::bare;
        return runStartupProbe(kind, options.level, std::move(route));
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
    FrameRun frames(std::move(route), options.frames, results);
    if (const int status = composeRun(benchRunOptions(options.level), frames); status != 0) {
        return status;
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
