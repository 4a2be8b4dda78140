#include "app/WatchRun.h"

#include "app/CommandLine.h"
#include "app/ConsoleText.h"
#include "app/Game.h"
#include "app/RecordedClock.h"
#include "app/RunFolder.h"
#include "app/ScriptedInput.h"

#include <GLFW/glfw3.h>

#include <iostream>
#include <variant>

namespace tavernrush {
namespace {

// The run's input and clock frame by frame; the watcher's own P holds it.
class Watching : public FrameObserver {
public:
    Watching(GameWindow& window, ScriptedInput& input, RecordedClock& clock)
        : window_(window), input_(input), clock_(clock)
    {
    }

    void beforeFrame(FrameLoop& loop) override
    {
        if (pressedP()) {
            holdUntilP();
        }
        startScriptedFrame(loop.frameNumber(), input_, clock_, loop);
    }
    void afterFrame(FrameLoop& loop) override
    {
        if (loop.frameNumber() + 1 >= clock_.frames()) {
            window_.requestClose();
        }
    }

private:
    bool pressedP()
    {
        const bool held = glfwGetKey(window_.handle(), GLFW_KEY_P) == GLFW_PRESS;
        const bool pressed = held && !pWasHeld_;
        pWasHeld_ = held;
        return pressed;
    }

    void holdUntilP()
    {
        const auto start = std::chrono::steady_clock::now();
        while (!window_.shouldClose()) {
            glfwWaitEventsTimeout(0.05);
            if (pressedP()) {
                break;
            }
        }
        clock_.holdFor(std::chrono::steady_clock::now() - start);
    }

    GameWindow& window_;
    ScriptedInput& input_;
    RecordedClock& clock_;
    bool pWasHeld_ = false;
};

class WatchHooks : public RunHooks {
public:
    explicit WatchHooks(ReplayScript script)
        : clock_(script.run->header.clockStart, script.run->frameEndTimes, true), input_(std::move(script))
    {
    }
    const InputSource& input(GameWindow&, const Settings& settings) override
    {
        input_.bindControls(settings.controls);
        return input_;
    }
    Clock& clock() override { return clock_; }
    void play(GameWindow& window, FrameLoop& loop) override
    {
        Watching watching(window, input_, clock_);
        runLoop(window, loop, &watching);
    }

private:
    RecordedClock clock_;
    ScriptedInput input_;
};

} // namespace

std::optional<ReplayScript> runToWatch(const std::string& path)
{
    auto read = readRunFile(path);
    if (const auto* problem = std::get_if<std::string>(&read)) {
        std::cerr << "tavernrush: cannot watch '" << printable(path) << "': " << printable(*problem) << std::endl;
        return std::nullopt;
    }
    return std::get<ReplayScript>(std::move(read));
}

int watchRun(ReplayScript script, RunOptions options)
{
    const RunHeader& header = script.run->header;
    if (header.version != gameVersion()) {
        std::cout << "NOTE: The run was made by version " << header.version
                  << "; it replays exactly only on the build that made it." << std::endl;
    }
    options.level = header.level;
    options.windowSize = glm::ivec2(header.width, header.height);
    options.recordedMenus = script.run->menus;
    options.playerFiles.reset();
    WatchHooks hooks(std::move(script));
    return composeRun(options, hooks);
}

} // namespace tavernrush
