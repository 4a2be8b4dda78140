// tavernrush-replay: runs the real game with scripted input and a fixed frame
// time, and records a trace, screenshots and frame times. Run it from a
// directory holding assets/, like the game.

#include "app/Game.h"
#include "app/GameRun.h"
#include "app/Screenshots.h"
#include "replay/FixedStepClock.h"
#include "replay/FrameTimeStats.h"
#include "replay/ReplayObserver.h"
#include "replay/ReplayOptions.h"
#include "replay/ReplayScript.h"
#include "replay/ScriptedInput.h"

#include <filesystem>
#include <fstream>
#include <iostream>
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
    std::ifstream file(path);
    if (!file) {
        std::cerr << "tavernrush-replay: cannot read script " << path << '\n';
        return std::nullopt;
    }
    ScriptParse parse = parseReplayScript(file);
    if (const auto* error = std::get_if<ScriptError>(&parse)) {
        std::cerr << "tavernrush-replay: " << path << ": " << error->message() << '\n';
        return std::nullopt;
    }
    if (file.bad()) {
        std::cerr << "tavernrush-replay: cannot read script " << path << '\n';
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
    ReplayHooks(ScriptedInput& input, FixedStepClock& clock, ReplayObserver& observer, WavWriter& wav, double dt)
        : input_(input), clock_(clock), observer_(observer), wav_(wav), dt_(dt)
    {
    }
    void soundMade(Audio& audio) override
    {
        recorder_.emplace(audio, wav_, dt_);
        if (wav_.isOpen()) {
            observer_.recordSound(&*recorder_);
        }
    }
    const InputSource& input(GameWindow&, const Settings& settings) override
    {
        input_.bindControls(settings.controls);
        return input_;
    }
    Clock& clock() override { return clock_; }
    // The script says when the window has the focus, so only the keys change.
    void rebind(const Controls& controls, bool) override { input_.bindControls(controls); }
    void play(GameWindow& window, FrameLoop& loop) override
    {
        runLoop(window, loop, &observer_);
        observer_.recordSound(nullptr);
    }

private:
    ScriptedInput& input_;
    FixedStepClock& clock_;
    ReplayObserver& observer_;
    WavWriter& wav_;
    double dt_;
    std::optional<SoundRecorder> recorder_;
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

    ScriptedInput input(std::move(*script));
    FixedStepClock clock(options.dt);
    ReplayRecording recording{options.frames, options.tracePath.empty() ? nullptr : &trace, options.shots};
    recording.memoryLog = options.memoryLogPath.empty() ? nullptr : &memoryLog;
    ReplayObserver observer(input, clock, std::move(recording), windowFrameCapture(), std::cerr);
    ReplayHooks hooks(input, clock, observer, wav, options.dt);
    if (const int status = composeRun(replayRun(options), hooks); status != 0) {
        return status;
    }

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
    return status;
}

} // namespace
} // namespace tavernrush

int main(int argc, char** argv)
{
    using namespace tavernrush;
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
