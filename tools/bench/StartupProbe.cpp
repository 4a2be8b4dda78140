#include "bench/StartupProbe.h"

#include "app/Game.h"
#include "bench/BenchGame.h"
#include "bench/PhaseRenderer.h"
#include "scene/GlSceneRenderer.h"

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

// Frame 0 of the game, timed; with `byPass` its passes one by one.
class FirstFrameRun : public BenchHooks {
public:
    FirstFrameRun(ReplayScript route, bool byPass) : BenchHooks(std::move(route)), byPass_(byPass) {}
    SceneRenderer& renderer(GlSceneRenderer& game) override
    {
        if (byPass_) {
            game.setPassTimer(&passes_);
        }
        return game;
    }
    void play(GameWindow& window, FrameLoop& loop) override
    {
        FirstFrameOnly observer;
        {
            const StartupStepTimer timer("first frame");
            runLoop(window, loop, &observer);
            glFinish();
        }
        // Taken here: the level and the window are released after this.
        firstImage_ = steadyNanoseconds();
    }
    long long firstImage() const { return firstImage_; }

private:
    bool byPass_;
    FirstFramePasses passes_;
    long long firstImage_ = 0;
};

int probeGame(ProbeKind kind, const std::optional<std::string>& level, ReplayScript route)
{
    FirstFrameRun run(std::move(route), kind == ProbeKind::gameByPass);
    if (const int status = composeRun(benchRunOptions(level), run); status != 0) {
        return status;
    }
    std::cout << "first-image-ns " << run.firstImage() << '\n';
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

int runStartupProbe(ProbeKind kind, const std::optional<std::string>& level, ReplayScript route)
{
    const int status = kind == ProbeKind::bare ? probeBare() : probeGame(kind, level, std::move(route));
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
