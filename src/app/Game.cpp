#include "app/Game.h"

#include "app/CommandLine.h"
#include "app/DataPaths.h"
#include "app/GameSound.h"
#include "app/GlfwInput.h"
#include "app/KeyWait.h"
#include "game/UnicornHerd.h"
#include "physics/PhysicsStartup.h"
#include "render/AssetPath.h"
#include "render/StartupSteps.h"
#include "scene/GlSceneRenderer.h"
#include "scene/Level.h"
#include "scene/LevelPreload.h"

#include <cstdlib>
#include <iostream>

namespace tavernrush {

Settings loadGameSettings(const std::string& path)
{
    Settings settings = loadSettings(path, std::cout);
    std::cout.flush();
    return settings;
}

Settings withoutVsync(Settings settings)
{
    settings.vsync = false;
    return settings;
}

std::unique_ptr<GameWindow> openGameWindow(const Settings& settings)
{
    auto opened = [&] {
        const StartupStepTimer timer("open window and context");
        return GameWindow::open(settings);
    }();
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
    const StartupStepTimer timer("start physics");
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

int runGame(std::span<const std::string> arguments)
{
    const auto parsed = parseCommandLine("tavernrush", arguments);
    if (const auto* answer = std::get_if<CommandLineAnswer>(&parsed)) {
        (answer->toStandardError ? std::cerr : std::cout) << answer->text << std::flush;
        return answer->exitStatus;
    }
    const GameOptions& options = std::get<GameOptions>(parsed);
    const DataFolderSearch data = findDataFolder(options.dataFolder, runningExecutable());
    if (!data.problem.empty()) {
        std::cout << "ERROR: " << data.problem << std::endl;
        waitForKeyPress(std::cin, std::cout, standardInputIsTerminal());
        return 1;
    }
    setAssetFolder(data.folder);
    const std::string settingsFile = chooseSettingsFile(options.settingsFile, data.folder,
                                                        userSettingsPath(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME")),
                                                        std::cout);

    const Settings settings = loadGameSettings(settingsFile);
    LevelPreload preload;
    const std::unique_ptr<GameWindow> window = openGameWindow(settings);
    if (!window) {
        return 1;
    }
    Audio audio = Audio::open(settings.audio, assetPath(soundFolder), std::cout);
    GameSound sound(audio);
    FrameRules rules = startRules(settings);
    Level level(levelSettingsFrom(settings));
    preload.finish();
    GlSceneRenderer renderer(level);
    GlfwInput input(window->handle(), settings.controls, settings.pauseOnFocusLoss);
    reportGamepads(std::cout);
    GlfwClock clock;
    FrameLoop loop(FrameLoopParts{settings, *window, input, clock, renderer, rules});
    loop.listen(sound);
    PlayerKeepers keepers{RecordKeeper(playerRecordsPath(), std::cout),
                          ScreenshotTaker(playerPicturesFolder(), windowImageSaver(), std::cout)};
    keepForPlayer(keepers, loop, rules);
    runLoop(*window, loop);
    return 0;
}

} // namespace tavernrush
