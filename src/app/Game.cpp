#include "app/Game.h"

#include "app/GlfwInput.h"
#include "app/KeyWait.h"
#include "game/UnicornHerd.h"
#include "physics/PhysicsStartup.h"
#include "scene/GlSceneRenderer.h"
#include "scene/Level.h"

#include <iostream>

namespace tavernrush {

Settings loadGameSettings()
{
    Settings settings = loadSettings(settingsPath, std::cout);
    std::cout.flush();
    return settings;
}

std::unique_ptr<GameWindow> openGameWindow(const Settings& settings)
{
    auto opened = GameWindow::open(settings);
    if (auto* message = std::get_if<std::string>(&opened)) {
        std::cout << "ERROR: " << *message << std::endl;
        waitForKeyPress(std::cin, std::cout, standardInputIsTerminal());
        return nullptr;
    }
    auto window = std::move(std::get<std::unique_ptr<GameWindow>>(opened));
    connectEscapeKey(window->handle());
    return window;
}

FrameRules startRules(const Settings& settings)
{
    FrameRules rules(static_cast<float>(settings.width) / static_cast<float>(settings.height), placeUnicorns());
    startPhysics(std::cout);
    return rules;
}

void runLoop(GameWindow& window, FrameLoop& loop, FrameObserver* observer)
{
    connectScrollWheel(window.handle(), loop);
    loop.run(observer);
    glfwSetScrollCallback(window.handle(), nullptr);
}

void keepForPlayer(PlayerKeepers& keepers, FrameLoop& loop, FrameRules& rules)
{
    rules.setBestTime(keepers.records.records().bestTenths);
    loop.listen(keepers.records);
    loop.listen(keepers.screenshots);
}

int runGame()
{
    const Settings settings = loadGameSettings();
    const std::unique_ptr<GameWindow> window = openGameWindow(settings);
    if (!window) {
        return 1;
    }
    FrameRules rules = startRules(settings);
    Level level(settings);
    GlSceneRenderer renderer(level);
    GlfwInput input(window->handle(), settings.controls, settings.pauseOnFocusLoss);
    reportGamepads(std::cout);
    GlfwClock clock;
    FrameLoop loop(FrameLoopParts{settings, *window, input, clock, renderer, rules});
    PlayerKeepers keepers{RecordKeeper(playerRecordsPath(), std::cout),
                          ScreenshotTaker(playerPicturesFolder(), windowImageSaver(), std::cout)};
    keepForPlayer(keepers, loop, rules);
    runLoop(*window, loop);
    return 0;
}

} // namespace tavernrush
