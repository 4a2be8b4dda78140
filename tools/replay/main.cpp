// tavernrush-replay: runs the real game with scripted input and a fixed frame
// time, and records a trace, screenshots and frame times. Run it from a
// directory holding assets/, like the game.

#include "app/CommandLine.h"
#include "app/ConsoleText.h"
#include "app/Game.h"
#include "app/GameRun.h"
#include "app/PictureMemoryReuse.h"
#include "app/PlayerRun.h"
#include "app/RecordedClock.h"
#include "app/RegularFile.h"
#include "app/RunFolder.h"
#include "app/RunRecorder.h"
#include "app/SampledInput.h"
#include "app/Screenshots.h"
#include "game/RulesChecksum.h"
#include "replay/FixedStepClock.h"
#include "replay/FrameTimeStats.h"
#include "replay/ReplayObserver.h"
#include "replay/ReplayOptions.h"
#include "replay/RunCheck.h"
#include "app/ReplayScript.h"
#include "app/ScriptedInput.h"
#include "scene/GlSceneRenderer.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace tavernrush {
namespace {

constexpr int usageExitStatus = 2;
constexpr int failureExitStatus = 1;

// Everything the command line names is read or opened before the game
// starts, so a bad script or an unwritable trace never leaves a half-run.
std::optional<ReplayScript> loadScript(const std::string& path)
{
    if (path.empty()) {
        return ReplayScript{};
    }
    // Not waiting on a pipe, and not reading a device to its end.
    const RegularFileRead file = readRegularFile(path, largestRunBytes);
    if (!file.text) {
        std::cerr << "tavernrush-replay: cannot read script " << printable(path)
                  << (file.missing ? std::string() : " (" + file.problem + ")") << '\n';
        return std::nullopt;
    }
    ScriptParse parse = parseReplayScript(*file.text);
    if (const auto* error = std::get_if<ScriptError>(&parse)) {
        std::cerr << "tavernrush-replay: " << printable(path) << ": " << printable(error->message()) << '\n';
        return std::nullopt;
    }
    return std::get<ReplayScript>(std::move(parse));
}

// A replay steps a fixed frame time as fast as it can (waiting for the
// display's refresh would only slow the runs and the tests), mixes its sound
// on a loopback device (nothing plays aloud, and a recording gets exactly
// the frames' share of samples), and must not touch the player's records
// unless asked to.
RunOptions replayRun(const ReplayOptions& options)
{
    RunOptions run;
    run.program = "tavernrush-replay";
    run.level = options.level;
    run.vsync = false;
    run.sound = RunSound::loopback;
    run.menus = options.title;
    if (!options.settingsPath.empty()) {
        run.settingsFile = options.settingsPath;
        run.saveSettings = true;
    }
    run.playerFiles = PlayerFiles{
        options.recordsPath.empty() ? std::nullopt : std::optional<std::filesystem::path>(options.recordsPath),
        options.picturesFolder.empty() ? playerPicturesFolder()
                                       : std::optional<std::filesystem::path>(options.picturesFolder)};
    return run;
}

// The script's input on the fixed clock, watched and recorded by `observer`.
class ReplayHooks : public RunHooks {
public:
    ReplayHooks(ScriptedInput& input, SteppedClock& clock, ReplayObserver& observer, WavWriter& wav, double dt)
        : input_(input), clock_(clock), observer_(observer), wav_(wav), dt_(dt)
    {
    }
    // The ghost to race, and the run file this replay is kept in, if any.
    void raceAndKeep(GhostRun ghost, RunFileWriter* keep)
    {
        ghost_ = std::move(ghost);
        keep_ = keep;
    }
    void soundMade(Audio& audio) override
    {
        recorder_.emplace(audio, wav_, dt_);
        if (wav_.isOpen()) {
            observer_.recordSound(&*recorder_);
        }
    }
    SceneRenderer& renderer(GlSceneRenderer& game) override
    {
        game_ = &game;
        return game;
    }
    const InputSource& input(GameWindow&, const Settings& settings) override
    {
        input_.bindControls(settings.controls);
        windowSize_ = {settings.width, settings.height};
        if (settings.graphics.automaticScale || settings.graphics.renderScale != 1.0f) {
            // The renderer is handed over after the input: read it when a frame is traced.
            observer_.traceRenderScale([this] { return game_->renderScale(); });
        }
        if (keep_ != nullptr) {
            sampled_.emplace(input_);
            return *sampled_;
        }
        return input_;
    }
    Clock& clock() override { return clock_; }
    // The script says when the window has the focus, so only the keys change.
    void rebind(const Controls& controls, bool) override { input_.bindControls(controls); }
    void play(GameWindow& window, FrameLoop& loop) override
    {
        loop.rules().setGhost(ghost_, true);
        if (keep_ != nullptr) {
            RunRecorder recorder(RunRecorderParts{*keep_, *sampled_, window, std::nullopt, std::nullopt, std::cerr,
                                                  &observer_},
                                 runHeaderFor(loop.rules(), windowSize_));
            connectScrollWheel(window.handle(), recorder);
            observer_.routeWheel(&recorder);
            loop.run(&recorder);
            observer_.routeWheel(nullptr);
            glfwSetScrollCallback(window.handle(), nullptr);
        } else {
            runLoop(window, loop, &observer_);
        }
        observer_.recordSound(nullptr);
    }

private:
    ScriptedInput& input_;
    SteppedClock& clock_;
    ReplayObserver& observer_;
    GhostRun ghost_;
    RunFileWriter* keep_ = nullptr;
    std::optional<SampledInput> sampled_;
    glm::ivec2 windowSize_{0};
    WavWriter& wav_;
    double dt_;
    std::optional<SoundRecorder> recorder_;
    GlSceneRenderer* game_ = nullptr;
};

int replay(const ReplayOptions& options)
{
    std::optional<ReplayScript> script = loadScript(options.scriptPath);
    if (!script) {
        return usageExitStatus;
    }
    std::ofstream trace;
    if (!options.tracePath.empty()) {
        trace.open(options.tracePath, std::ios::out | std::ios::trunc);
        if (!trace) {
            std::cerr << "tavernrush-replay: cannot write trace " << options.tracePath << '\n';
            return failureExitStatus;
        }
    }
    std::ofstream memoryLog;
    if (!options.memoryLogPath.empty()) {
        memoryLog.open(options.memoryLogPath, std::ios::out | std::ios::trunc);
        if (!memoryLog) {
            std::cerr << "tavernrush-replay: cannot write memory log " << options.memoryLogPath << '\n';
            return failureExitStatus;
        }
    }

    // Created before the run so an unwritable path never costs a whole run;
    // the samples go to a ".part" file until the run is complete.
    WavWriter wav;
    if (!options.audioPath.empty()) {
        wav = WavWriter::create(options.audioPath, Audio::loopbackSampleRate, std::cerr);
        if (!wav.isOpen()) {
            return failureExitStatus;
        }
    }

    RunOptions run = replayRun(options);
    long frames = options.frames;
    std::unique_ptr<SteppedClock> clock = std::make_unique<FixedStepClock>(options.dt);
    std::optional<RunCheck> check;
    if (script->run) {
        // A kept run: its own level, window and clock, all of its frames.
        const RunRecord& kept = *script->run;
        if (options.level && *options.level != kept.header.level) {
            std::cerr << "tavernrush-replay: " << printable(options.scriptPath) << " is a run of the level '"
                      << kept.header.level << "', not '" << printable(*options.level) << "'\n";
            return usageExitStatus;
        }
        if (kept.header.version != gameVersion()) {
            std::cout << "NOTE: The run was made by version " << kept.header.version
                      << "; it replays exactly only on the build that made it." << std::endl;
        }
        run.level = kept.header.level;
        run.windowSize = glm::ivec2(kept.header.width, kept.header.height);
        run.recordedMenus = kept.menus;
        frames = static_cast<long>(kept.frameEndTimes.size());
        clock = std::make_unique<RecordedClock>(kept.header.clockStart, kept.frameEndTimes, false);
        check.emplace(kept.checks);
    }
    GhostRun ghost;
    if (!options.bestRunPath.empty()) {
        auto best = readRunFile(options.bestRunPath);
        if (const auto* problem = std::get_if<std::string>(&best)) {
            std::cerr << "tavernrush-replay: cannot race " << printable(options.bestRunPath) << ": "
                      << printable(*problem) << '\n';
            return usageExitStatus;
        }
        ghost = ghostOfLastWin(*std::get<ReplayScript>(best).run);
    }
    std::optional<RunFileWriter> keep;
    if (!options.keepRunPath.empty()) {
        std::error_code ignored;
        std::filesystem::remove(options.keepRunPath, ignored);
        keep.emplace(options.keepRunPath, std::cerr);
        if (!keep->isRecording()) {
            return failureExitStatus;
        }
    }

    ScriptedInput input(std::move(*script));
    ReplayRecording recording{frames, options.tracePath.empty() ? nullptr : &trace, options.shots};
    recording.memoryLog = options.memoryLogPath.empty() ? nullptr : &memoryLog;
    if (check) {
        recording.frameCheck = [&check](const FrameLoop& loop) {
            return check->afterFrame(loop.frameNumber(), checksumRules(loop.rules()));
        };
    }
    ReplayObserver observer(input, *clock, std::move(recording), windowFrameCapture(), std::cerr);
    ReplayHooks hooks(input, *clock, observer, wav, options.dt);
    hooks.raceAndKeep(std::move(ghost), keep ? &*keep : nullptr);
    if (const int status = composeRun(run, hooks); status != 0) {
        return status;
    }
    keep.reset();

    std::cout << formatFrameTimeSummary(summarizeFrameTimes(observer.frameMillis())) << std::endl;

    int status = 0;
    if (wav.isOpen() && !wav.finish(std::cerr)) {
        status = failureExitStatus;
    }
    if (!options.tracePath.empty()) {
        trace.close();
        if (trace.fail()) {
            std::cerr << "tavernrush-replay: writing the trace " << options.tracePath << " failed\n";
            status = failureExitStatus;
        }
    }
    if (!options.memoryLogPath.empty()) {
        memoryLog.close();
        if (memoryLog.fail() || observer.failedMemoryReadings() > 0) {
            std::cerr << "tavernrush-replay: writing the memory log " << options.memoryLogPath << " failed\n";
            status = failureExitStatus;
        }
    }
    for (const ShotRequest& shot : observer.shotsNotTaken()) {
        std::cerr << "tavernrush-replay: no shot " << shot.path << ": the run ended after " << observer.framesRun()
                  << " frames, before frame " << shot.frame << '\n';
        status = failureExitStatus;
    }
    if (observer.failedShots() > 0) {
        status = failureExitStatus;
    }
    if (check && check->divergence()) {
        std::cerr << "tavernrush-replay: " << printable(options.scriptPath) << ": " << *check->divergence() << '\n';
        status = failureExitStatus;
    } else if (check) {
        std::cout << "The run replays exactly: " << check->compared() << " checks over " << observer.framesRun()
                  << " frames." << std::endl;
    }
    return status;
}

} // namespace
} // namespace tavernrush

int main(int argc, char** argv)
{
    using namespace tavernrush;
    reuseFreedPictureMemory();
    const std::string program = argc > 0 ? argv[0] : "tavernrush-replay";
    const OptionsParse parse = parseReplayOptions(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc));
    if (std::holds_alternative<HelpRequested>(parse)) {
        std::cout << replayUsage(program);
        return 0;
    }
    if (const auto* error = std::get_if<OptionsError>(&parse)) {
        std::cerr << "tavernrush-replay: " << error->message << '\n' << replayUsage(program);
        return usageExitStatus;
    }
    return replay(std::get<ReplayOptions>(parse));
}
