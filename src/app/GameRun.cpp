#include "app/GameRun.h"

#include "app/Game.h"
#include "app/GameSound.h"
#include "app/LevelChoice.h"
#include "app/LevelSettingsFrom.h"
#include "app/Menus.h"
#include "app/SettingsSaver.h"
#include "game/LevelFile.h"
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

// A changed option heard and seen at once: the mix, the window's vsync, the
// brightness, the render scale, the glow, the shadow map and the keys the
// input reads.
class RunLiveOptions : public LiveOptions {
public:
    RunLiveOptions(Audio* audio, GameWindow& window, Level& level, GlSceneRenderer& renderer, double refreshHz,
                   bool vsync, RunHooks& hooks)
        : audio_(audio),
          window_(window),
          level_(level),
          renderer_(renderer),
          refreshHz_(refreshHz),
          vsync_(vsync),
          hooks_(hooks)
    {
    }
    void soundLevels(const AudioSettings& levels) override
    {
        if (audio_ != nullptr) {
            audio_->setLevels(levels);
        }
    }
    void vsync(bool on) override
    {
        window_.setVsync(on);
        vsync_ = on;
        // The automatic scale times frames differently with vsync.
        if (renderer_.scalesAutomatically()) {
            renderer_.scaleAutomatically(refreshHz_, vsync_);
        }
    }
    void brightness(float value) override { setPictureBrightness(level_.materials, value); }
    void renderScale(const GraphicsSettings& graphics) override
    {
        if (!graphics.automaticScale) {
            renderer_.scaleFixed(graphics.renderScale);
        } else if (!renderer_.scalesAutomatically()) {
            renderer_.scaleAutomatically(refreshHz_, vsync_);
        }
    }
    void bloom(bool on) override { level_.bloom.setGlow(on); }
    void shadowSize(int texels) override { level_.shadowMap = ShadowMap(texels); }
    void controls(const Controls& controls, bool pauseOnFocusLoss) override
    {
        hooks_.rebind(controls, pauseOnFocusLoss);
    }
    bool playLevel(const std::string& name) override { return hooks_.playLevel(name); }

private:
    Audio* audio_;
    GameWindow& window_;
    Level& level_;
    GlSceneRenderer& renderer_;
    double refreshHz_;
    bool vsync_;
    RunHooks& hooks_;
};

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
    // The display's rate where the monitor tells it; 60 Hz where not.
    const auto& monitor = window->primaryMonitor();
    const double refreshHz = monitor ? monitor->mode.refreshRate : 0;
    if (settings.graphics.automaticScale) {
        gameRenderer.scaleAutomatically(refreshHz, settings.vsync);
    }
    const InputSource& input = hooks.input(*window, settings);
    Clock& clock = hooks.clock();
    std::optional<PlayerKeepers> keepers;
    if (options.playerFiles) {
        // Braces: the records are read before the screenshots are set up.
        keepers.emplace(PlayerKeepers{RecordKeeper(options.playerFiles->records, levelDescription.name, std::cout),
                                      ScreenshotTaker(options.playerFiles->pictures, windowImageSaver(), std::cout)});
        rules.setBestTime(keepers->records.best());
    }
    SettingsSaver saver(options.saveSettings ? std::optional<std::filesystem::path>(options.settingsFile)
                                             : std::nullopt,
                        std::cout);
    RunLiveOptions live(audio ? &*audio : nullptr, *window, level, gameRenderer, refreshHz, settings.vsync, hooks);
    std::optional<Menus> menus;
    if (options.menus) {
        // The loaded level first, then the others, each with its best time.
        std::vector<LevelOffer> levels{{levelDescription.name, keepers ? keepers->records.best() : std::nullopt}};
        for (const std::string& name : levelNames(assetPath(levelFolder))) {
            if (name != levelDescription.name) {
                levels.push_back({name, keepers ? keepers->records.records().bestOf(name) : std::nullopt});
            }
        }
        menus.emplace(MenuSetup{settings, saver, live, std::move(levels), levelDescription.coinsToWin,
                                levelDescription.beersToLose, levelDescription.timeLimitSeconds,
                                options.startOnTitle});
    }
    FrameLoop loop(FrameLoopParts{settings, *window, input, clock, hooks.renderer(gameRenderer), rules,
                                  menus ? &*menus : nullptr,
                                  options.recordedMenus.empty() ? nullptr : &options.recordedMenus});
    if (sound) {
        loop.listen(*sound);
    }
    if (keepers) {
        loop.listen(keepers->records);
        loop.listen(keepers->screenshots);
    }
    hooks.play(*window, loop);
    return 0;
}

} // namespace tavernrush
