#include "app/Game.h"

#include "app/GameWindow.h"
#include "app/GlfwInput.h"
#include "app/KeyWait.h"
#include "app/Settings.h"

#include <iostream>

namespace tavernrush {
int runGame()
{
    const Settings settings = loadSettings(settingsPath, std::cout);
    std::cout.flush();
    auto opened = GameWindow::open(settings);
    if (auto* message = std::get_if<std::string>(&opened)) {
        std::cout << "ERROR: " << *message << std::endl;
        waitForKeyPress(std::cin, std::cout, standardInputIsTerminal());
        return 1;
    }
    auto window = std::move(std::get<std::unique_ptr<GameWindow>>(opened));
    connectEscapeKey(window->handle());
    glClearColor(1, 1, 1, 1);
    glEnable(GL_DEPTH_TEST);
    while (!window->shouldClose()) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        window->pollEvents();
        window->swapBuffers();
    }
    glUseProgram(0);
    return 0;
}

} // namespace tavernrush
