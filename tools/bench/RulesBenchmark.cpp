// The cost of the game rules in one frame: the real frame loop with every
// rule (fields, herd, movement, pictures) but a renderer and window that do
// nothing, so only the CPU work of the rules is measured.

#include "app/FrameLoop.h"
#include "game/NullSceneRenderer.h"
#include "game/LevelFile.h"

#include <benchmark/benchmark.h>

namespace tavernrush {
namespace {

class HeldKeys : public InputSource {
public:
    bool isKeyHeld(Action action) const override
    {
        return action == Action::Forward || action == Action::Left || action == Action::Jump;
    }
    bool isButtonHeld(MouseButton) const override { return false; }
    glm::dvec2 cursorPosition() const override { return {0.0, 0.0}; }
};

class SixtyHertz : public Clock {
public:
    double now() override { return time_ += 1.0 / 60.0; }

private:
    double time_ = 0.0;
};

class NoWindow : public WindowControl {
public:
    bool shouldClose() const override { return false; }
    void requestClose() override {}
    void pollEvents() override {}
    void swapBuffers() override {}
    glm::ivec2 framebufferSize() const override { return {800, 800}; }
    void leaveFullscreen(int, int) override {}
    bool enterFullscreen() override { return false; }
};

void frameRules(benchmark::State& state)
{
    const Settings settings;
    HeldKeys input;
    SixtyHertz clock;
    NoWindow window;
    NullSceneRenderer renderer;
    LevelParse parse = loadLevel(levelFolder, defaultLevelName);
    if (const auto* error = std::get_if<LevelFileError>(&parse)) {
        state.SkipWithError(error->message.c_str());
        return;
    }
    const LevelDescription level = std::get<LevelDescription>(std::move(parse));
    FrameRules rules(1.0f, level);
    FrameLoop loop(FrameLoopParts{settings, window, input, clock, renderer, rules});
    for (auto _ : state) {
        loop.runFrame();
        benchmark::DoNotOptimize(loop.scene().coins.data());
    }
}
BENCHMARK(frameRules);

} // namespace
} // namespace tavernrush

BENCHMARK_MAIN();
