#include "app/GameRun.h"

#include "app/Game.h"
#include "app/GameSound.h"
#include "app/LevelChoice.h"
#include "app/LevelSettingsFrom.h"
#include "app/Records.h"
#include "app/Screenshots.h"
#include "audio/QuietSoundLibraries.h"
#include "scene/GlSceneRenderer.h"
#include "scene/Level.h"
#include "scene/LevelPreload.h"

#include <iostream>
#include <memory>

namespace tavernrush {
namespace {

// What the loop keeps for the player: the best time (read now and handed to
// the rules, written after a new best) and the screenshots.
struct PlayerKeepers {
    RecordKeeper records;
    ScreenshotTaker screenshots;
};

} // namespace

SceneRenderer& RunHooks::renderer(GlSceneRenderer& game) { return game; }

void RunHooks::play(GameWindow& window, FrameLoop& loop) { runLoop(window, loop); }

int composeRun(const RunOptions& options, RunHooks& hooks)
{
    if (options.sound == RunSound::device) {
        quietSoundLibraries(); // before the level's worker thread starts
    }
    setAssetFolder(options.dataFolder);
    const auto chosen = chooseLevel(options.level, options.program, std::cerr);
    if (const auto* refusal = std::get_if<LevelRefusal>(&chosen)) {
        return refusal->exitStatus;
    }
    const LevelDescription& levelDescription = std::get<LevelDescription>(chosen);
    Settings settings = options.vsync ? loadGameSettings(options.settingsFile)
                                      : withoutVsync(loadGameSettings(options.settingsFile));
    if (options.windowSize) {
        settings.width = options.windowSize->x;
        settings.height = options.windowSize->y;
        settings.fullscreen = false;
    }
    LevelPreload preload(levelPaths(levelDescription)); // the level's files, decoded on a worker from here on
    const std::unique_ptr<GameWindow> window = openGameWindow(settings);
    if (!window) {
        return 1;
    }
    std::optional<Audio> audio;
    std::optional<GameSound> sound;
    if (options.sound != RunSound::none) {
        const std::string sounds = assetPath(soundFolder);
        audio.emplace(options.sound == RunSound::loopback ? Audio::openLoopback(settings.audio, sounds, std::cout)
                                                          : Audio::open(settings.audio, sounds, std::cout));
        sound.emplace(*audio);
        hooks.soundMade(*audio);
    }
    FrameRules rules = startRules(settings, levelDescription);
    Level level(levelSettingsFrom(settings, levelDescription)); // takes each file from the worker in its place
    preload.finish();
    GlSceneRenderer gameRenderer(level);
    if (settings.graphics.automaticScale) {
        // The display's rate where the monitor tells it; 60 Hz where not.
        const auto& monitor = window->primaryMonitor();
        gameRenderer.scaleAutomatically(monitor ? monitor->mode.refreshRate : 0, settings.vsync);
    }
    const InputSource& input = hooks.input(*window, settings);
    Clock& clock = hooks.clock();
    FrameLoop loop(FrameLoopParts{settings, *window, input, clock, hooks.renderer(gameRenderer), rules});
    if (sound) {
        loop.listen(*sound);
    }
    std::optional<PlayerKeepers> keepers;
    if (options.playerFiles) {
        // Braces: the records are read before the screenshots are set up.
        keepers.emplace(PlayerKeepers{RecordKeeper(options.playerFiles->records, levelDescription.name, std::cout),
                                      ScreenshotTaker(options.playerFiles->pictures, windowImageSaver(), std::cout)});
        rules.setBestTime(keepers->records.best());
        loop.listen(keepers->records);
        loop.listen(keepers->screenshots);
    }
    hooks.play(*window, loop);
    return 0;
}

} // namespace tavernrush
