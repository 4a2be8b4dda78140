#include "bench/BenchGame.h"

#include "scene/Level.h"
#include "scene/LevelPreload.h"

namespace tavernrush {

bool withBenchGame(const std::function<void(BenchGame&)>& play)
{
    const Settings settings = withoutVsync(loadGameSettings());
    LevelPreload preload;
    const std::unique_ptr<GameWindow> window = openGameWindow(settings);
    if (!window) {
        return false;
    }
    FrameRules rules = startRules(settings);
    Level level(levelSettingsFrom(settings));
    preload.finish();
    GlSceneRenderer renderer(level);
    BenchGame game{settings, *window, rules, renderer};
    play(game);
    return true;
}

} // namespace tavernrush
