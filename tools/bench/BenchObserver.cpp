#include "bench/BenchObserver.h"

#include <GL/glew.h>

namespace tavernrush {

// The first frames of a phase still replace the last phase's image; they are
// run but not counted.
constexpr long warmupFrames = 10;
// Every eighth route frame times its passes between fences; those frames are
// left out of the frame times.
constexpr long fenceEvery = 8;

bool fencedFrame(long frame) { return frame % fenceEvery == fenceEvery - 1; }

BenchObserver::BenchObserver(ScriptedInput& input, FixedStepClock& clock, PhaseRenderer& renderer,
                             GpuPassTimer& passTimer, const GlSceneRenderer& game, BenchFrameCounts counts)
    : input_(input), clock_(clock), renderer_(renderer), passTimer_(passTimer), game_(game), counts_(counts)
{
}

void BenchObserver::beforeFrame(FrameLoop& loop)
{
    const long frame = loop.frameNumber();
    startScriptedFrame(frame, input_, clock_, loop);
    if (frame == counts_.route) {
        renderer_.switchTo(BenchPhase::floor);
    } else if (frame == counts_.route + warmupFrames + counts_.floor) {
        renderer_.switchTo(BenchPhase::bare);
    } else if (frame == counts_.route + 2 * warmupFrames + counts_.floor + counts_.bare) {
        renderer_.switchTo(BenchPhase::bareColourOnly);
    }
}

void BenchObserver::afterFrame(FrameLoop& loop)
{
    const long frame = loop.frameNumber();
    const auto now = std::chrono::steady_clock::now();
    // The next frame's passes, timed with fences or with queries.
    passTimer_.nextFrame(frame + 1 < counts_.route && fencedFrame(frame + 1));
    const long floorStart = counts_.route + warmupFrames;
    const long bareStart = floorStart + counts_.floor + warmupFrames;
    const long colourOnlyStart = bareStart + counts_.bare + warmupFrames;
    if (lastImage_) {
        const double millis = std::chrono::duration<double, std::milli>(now - *lastImage_).count();
        if (frame < counts_.route) {
            if (!fencedFrame(frame)) {
                routeMillis_.push_back(millis);
                routeScales_.push_back(game_.renderScale());
            }
        } else if (frame >= floorStart && frame < floorStart + counts_.floor) {
            floorMillis_.push_back(millis);
        } else if (frame >= bareStart && frame < bareStart + counts_.bare) {
            bareMillis_.push_back(millis);
        } else if (frame >= colourOnlyStart) {
            bareColourOnlyMillis_.push_back(millis);
        }
    } else {
        rendererName_ = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    }
    lastImage_ = now;
    if (frame + 1 >= (counts_.routeOnly ? bareStart + counts_.bare : colourOnlyStart + counts_.bare)) {
        loop.onEscapeReleased();
    }
}

} // namespace tavernrush
