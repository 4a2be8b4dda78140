#include "bench/StartupProbe.h"

#include "bench/BenchGame.h"
#include "bench/PhaseRenderer.h"
#include "replay/FixedStepClock.h"
#include "replay/ScriptedInput.h"

#include <chrono>
#include <iostream>
#include <sstream>

namespace tavernrush {
namespace {

// The first frame's passes one by one, each between two fences: where the
// driver spends the first frame (building what it compiles at first use).
class FirstFramePasses : public PassTimer {
public:
    void begin(RenderPass pass) override
    {
        glFinish();
        pass_ = pass;
        start_ = std::chrono::steady_clock::now();
    }
    void end() override
    {
        glFinish();
        const double millis = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start_).count();
        addStartupStep(std::string("first frame: ") + renderPassName(pass_), millis);
    }

private:
    RenderPass pass_ = RenderPass::shadow;
    std::chrono::steady_clock::time_point start_;
};

// Stops the loop once frame 0 is drawn; the loop swaps it and returns.
class FirstFrameOnly : public FrameObserver {
public:
    void beforeFrame(FrameLoop&) override {}
    void afterFrame(FrameLoop& loop) override { loop.onEscapeReleased(); }
};

void printSteps()
{
    for (const StartupStepTotal& step : startupStepTotals()) {
        std::cout << "step " << (step.onWorker ? "worker" : "main") << ' ' << step.millis << ' ' << step.count << ' '
                  << step.name << '\n';
    }
}

int probeGame(ProbeKind kind, ReplayScript route)
{
    ScriptedInput input(std::move(route));
    FixedStepClock clock(1.0 / 60.0);
    long long firstImage = 0;
    const bool opened = withBenchGame([&](BenchGame& game) {
        FirstFramePasses passes;
        if (kind == ProbeKind::gameByPass) {
            game.renderer.setPassTimer(&passes);
        }
        FrameLoop loop(FrameLoopParts{game.settings, game.window, input, clock, game.renderer, game.rules});
        FirstFrameOnly observer;
        {
            const StartupStepTimer timer("first frame");
            runLoop(game.window, loop, &observer);
            glFinish();
        }
        // Taken here: the level and the window are released after this.
        firstImage = steadyNanoseconds();
    });
    if (!opened) {
        return 1;
    }
    std::cout << "first-image-ns " << firstImage << '\n';
    printSteps();
    return 0;
}

int probeBare()
{
    const Settings settings = withoutVsync(loadGameSettings());
    if (glfwInit() != GLFW_TRUE) {
        return 1;
    }
    applyGameWindowHints(settings);
    GLFWwindow* window = glfwCreateWindow(settings.width, settings.height, settings.title.c_str(), nullptr, nullptr);
    if (window == nullptr) {
        glfwTerminate();
        return 1;
    }
    glfwMakeContextCurrent(window);
    glfwSwapInterval(0);
    PhaseRenderer::clearWindow({settings.width, settings.height}, GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glfwSwapBuffers(window);
    glFinish();
    std::cout << "first-image-ns " << steadyNanoseconds() << '\n';
    glfwDestroyWindow(window);
    glfwTerminate();
    return 0;
}

} // namespace

int runStartupProbe(ProbeKind kind, ReplayScript route)
{
    const int status = kind == ProbeKind::bare ? probeBare() : probeGame(kind, std::move(route));
    std::cout.flush();
    return status;
}

std::optional<ProbeResult> parseProbeOutput(std::istream& output)
{
    ProbeResult result;
    bool sawImage = false;
    std::string line;
    while (std::getline(output, line)) {
        std::istringstream fields(line);
        std::string tag;
        fields >> tag;
        if (tag == "first-image-ns") {
            sawImage = static_cast<bool>(fields >> result.firstImageNanoseconds);
        } else if (tag == "step") {
            StartupStepTotal step;
            std::string thread;
            if (fields >> thread >> step.millis >> step.count >> std::ws && std::getline(fields, step.name)) {
                step.onWorker = thread == "worker";
                result.steps.push_back(step);
            }
        }
    }
    if (!sawImage) {
        return std::nullopt;
    }
    return result;
}

} // namespace tavernrush
