#include "app/Game.h"

#include "app/CommandLine.h"
#include "app/DataPaths.h"
#include "app/GameRun.h"
#include "app/GlfwInput.h"
#include "app/KeyWait.h"
#include "app/PlayerRun.h"
#include "app/Records.h"
#include "app/Screenshots.h"
#include "app/WatchRun.h"
#include "physics/PhysicsStartup.h"
#include "render/StartupSteps.h"

#include <cstdlib>
#include <iostream>
#include <optional>

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

FrameRules startRules(const Settings& settings, const LevelDescription& level)
{
    FrameRules rules(static_cast<float>(settings.width) / static_cast<float>(settings.height), level);
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

int runGame(std::span<const std::string> arguments)
{
    const auto parsed = parseCommandLine("tavernrush", arguments);
    if (const auto* answer = std::get_if<CommandLineAnswer>(&parsed)) {
        (answer->toStandardError ? std::cerr : std::cout) << answer->text << std::flush;
        return answer->exitStatus;
    }
    const GameOptions& options = std::get<GameOptions>(parsed);
    // A run that cannot be watched is refused before anything is read or made.
    std::optional<ReplayScript> watched;
    if (options.watchRun) {
        watched = runToWatch(*options.watchRun);
        if (!watched) {
            return 1;
        }
    }
    const DataFolderSearch data = findDataFolder(options.dataFolder, runningExecutable());
    if (!data.problem.empty()) {
        std::cout << "ERROR: " << data.problem << std::endl;
        waitForKeyPress(std::cin, std::cout, standardInputIsTerminal());
        return 1;
    }
    const std::string settingsFile = chooseSettingsFile(options.settingsFile, data.folder,
                                                        userSettingsPath(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME")),
                                                        std::cout);

    RunOptions run;
    run.dataFolder = data.folder;
    run.settingsFile = settingsFile;
    run.level = options.level;
    if (watched) {
        return watchRun(std::move(*watched), run);
    }
    run.playerFiles = PlayerFiles{playerRecordsPath(), playerPicturesFolder()};
    run.menus = true;
    run.saveSettings = true;
    // A level chosen on the title is played by a run of its own, straight
    // from the title's Play.
    for (;;) {
        PlayerRunHooks hooks;
        const int status = composeRun(run, hooks);
        if (status != 0 || !hooks.nextLevel) {
            return status;
        }
        run.level = hooks.nextLevel;
        run.startOnTitle = false;
    }
}

} // namespace tavernrush
