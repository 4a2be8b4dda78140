#include "bench/BenchGame.h"

#include "app/LevelChoice.h"
#include "scene/Level.h"
#include "scene/LevelPreload.h"

#include <iostream>

namespace tavernrush {

bool withBenchGame(const std::function<void(BenchGame&)>& play)
{
    const auto chosen = chooseLevel(std::nullopt, "tavernrush-bench", std::cerr);
    if (std::holds_alternative<LevelRefusal>(chosen)) {
        return false;
    }
    const LevelDescription& levelDescription = std::get<LevelDescription>(chosen);
    const Settings settings = withoutVsync(loadGameSettings());
    LevelPreload preload;
    const std::unique_ptr<GameWindow> window = openGameWindow(settings);
    if (!window) {
        return false;
    }
    FrameRules rules = startRules(settings, levelDescription);
    Level level(settings);
    preload.finish();
    GlSceneRenderer renderer(level);
    BenchGame game{settings, *window, rules, renderer};
    play(game);
    return true;
}

} // namespace tavernrush
