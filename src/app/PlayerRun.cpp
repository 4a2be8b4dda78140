#include "app/PlayerRun.h"

#include "app/AtomicFile.h"
#include "app/CommandLine.h"
#include "app/ConsoleText.h"
#include "app/Game.h"
#include "app/RunFolder.h"
#include "app/RunRecorder.h"

#include <unistd.h>

#include <ctime>
#include <iostream>
#include <variant>

namespace tavernrush {
namespace {

struct BestRun {
    GhostRun ghost;
    std::optional<int> tenths;
};

// A best run that cannot be read costs its line; the game plays without a ghost.
BestRun loadBestRun(const std::filesystem::path& path)
{
    std::error_code error;
    if (!std::filesystem::exists(std::filesystem::symlink_status(path, error))) {
        return {};
    }
    auto read = readRunFile(path);
    if (const auto* problem = std::get_if<std::string>(&read)) {
        std::cout << "ERROR: Cannot read the best run '" << printable(path.string()) << "' (" << printable(*problem)
                  << "). Playing without a ghost." << std::endl;
        return {};
    }
    const RunRecord& run = *std::get<ReplayScript>(read).run;
    if (run.wins.empty()) {
        return {};
    }
    return {ghostOfLastWin(run), run.wins.back().value};
}

// Without a run file the input is still read once before each frame.
class InputSampling : public FrameObserver {
public:
    explicit InputSampling(SampledInput& input) : input_(input) {}
    void beforeFrame(FrameLoop&) override { input_.sample(); }
    void afterFrame(FrameLoop&) override {}

private:
    SampledInput& input_;
};

} // namespace

RunHeader runHeaderFor(const FrameRules& rules, glm::ivec2 size)
{
    const LevelDescription& level = rules.level();
    return RunHeader{gameVersion(), level.name, {level.coins.seed, level.beers.seed, level.unicornSeed},
                     size.x,        size.y,     rules.state().lastFrameTime};
}

const InputSource& PlayerRunHooks::input(GameWindow& window, const Settings& settings)
{
    live_.emplace(window.handle(), settings.controls, settings.pauseOnFocusLoss);
    sampled_.emplace(*live_);
    reportGamepads(std::cout);
    ghostShown_ = settings.ghost;
    windowSize_ = {settings.width, settings.height};
    return *sampled_;
}

void PlayerRunHooks::rebind(const Controls& controls, bool pauseOnFocusLoss)
{
    if (live_) {
        live_->rebind(controls, pauseOnFocusLoss);
    }
}

void PlayerRunHooks::play(GameWindow& window, FrameLoop& loop)
{
    const std::optional<std::filesystem::path> folder = playerRunFolder();
    if (!folder) {
        std::cout << "ERROR: Neither $XDG_STATE_HOME nor $HOME names a folder. This run is not kept." << std::endl;
        InputSampling sampling(*sampled_);
        runLoop(window, loop, &sampling);
        return;
    }
    const std::filesystem::path best = bestRunPath(*folder, loop.rules().level().name);
    BestRun bestRun = loadBestRun(best);
    loop.rules().setGhost(std::move(bestRun.ghost), ghostShown_);

    std::optional<RunFileWriter> file;
    if (const auto problem = makeFolderFor(best)) {
        std::cout << "ERROR: Cannot make the run folder '" << printable(folder->string()) << "' (" << *problem
                  << "). This run is not kept." << std::endl;
    } else {
        pruneRuns(*folder, keptRuns - 1);
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        file.emplace(newRunPath(*folder, local, static_cast<long>(getpid())), std::cout);
    }
    if (!file || !file->isRecording()) {
        InputSampling sampling(*sampled_);
        runLoop(window, loop, &sampling);
        return;
    }
    RunRecorder recorder(RunRecorderParts{*file, *sampled_, window, best, bestRun.tenths, std::cout},
                         runHeaderFor(loop.rules(), windowSize_));
    connectScrollWheel(window.handle(), recorder);
    loop.run(&recorder);
    glfwSetScrollCallback(window.handle(), nullptr);
}

} // namespace tavernrush
