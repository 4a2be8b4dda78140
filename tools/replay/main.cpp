// tavernrush-replay: runs the real game with scripted input and a fixed frame
// time, and records a trace, screenshots and frame times. Run it from a
// directory holding assets/, like the game.

#include "app/Game.h"
#include "app/GameSound.h"
#include "render/AssetPath.h"
#include "scene/GlSceneRenderer.h"
#include "scene/Level.h"
#include "scene/LevelPreload.h"
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
    {
        // A replay steps a fixed frame time as fast as it can; waiting for
        // the display's refresh would only slow the runs and the tests.
        const Settings settings = withoutVsync(loadGameSettings());
        LevelPreload preload;
        const std::unique_ptr<GameWindow> window = openGameWindow(settings);
        if (!window) {
            return failureExitStatus;
        }
        // The mix goes to a loopback device: nothing plays aloud, and a
        // recording gets exactly the frames' share of samples.
        Audio audio = Audio::openLoopback(settings.audio, assetPath(soundFolder), std::cout);
        GameSound sound(audio);
        SoundRecorder recorder(audio, wav, options.dt);
        if (wav.isOpen()) {
            observer.recordSound(&recorder);
        }
        input.bindControls(settings.controls);
        FrameRules rules = startRules(settings);
        Level level(levelSettingsFrom(settings));
        preload.finish();
        GlSceneRenderer renderer(level);
        FrameLoop loop(FrameLoopParts{settings, *window, input, clock, renderer, rules});
        loop.listen(sound);
        // A scripted run must not touch the player's records unless asked to.
        const std::optional<std::filesystem::path> records =
            options.recordsPath.empty() ? std::nullopt : std::optional<std::filesystem::path>(options.recordsPath);
        const std::optional<std::filesystem::path> pictures =
            options.picturesFolder.empty() ? playerPicturesFolder()
                                           : std::optional<std::filesystem::path>(options.picturesFolder);
        PlayerKeepers keepers{RecordKeeper(records, std::cout),
                              ScreenshotTaker(pictures, windowImageSaver(), std::cout)};
        keepForPlayer(keepers, loop, rules);
        runLoop(*window, loop, &observer);
        observer.recordSound(nullptr);
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
