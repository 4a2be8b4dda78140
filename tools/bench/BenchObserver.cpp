#include "bench/BenchObserver.h"

#include "bench/ProcessAge.h"

#include <GL/glew.h>

namespace tavernrush {

// The first floor frames still show the route's last image being replaced;
// they are run but not counted.
constexpr long floorWarmupFrames = 10;

BenchObserver::BenchObserver(ScriptedInput& input, FixedStepClock& clock, FloorSwitchRenderer& renderer,
                             long routeFrames, long floorFrames)
    : input_(input), clock_(clock), renderer_(renderer), routeFrames_(routeFrames), floorFrames_(floorFrames)
{
    routeMillis_.reserve(static_cast<std::size_t>(routeFrames));
    floorMillis_.reserve(static_cast<std::size_t>(floorFrames));
}

void BenchObserver::beforeFrame(FrameLoop& loop)
{
    const long frame = loop.frameNumber();
    input_.setFrame(frame);
    clock_.beginFrame(frame);
    for (const ScrollEvent& scroll : input_.script().scrolls) {
        if (scroll.frame == frame) {
            loop.onScroll(scroll.yoffset);
        }
    }
    // Frame 0 has just been swapped onto the screen.
    if (frame == 1) {
        startupMillis_ = secondsSinceProcessStart() * 1000.0;
    }
    if (frame == routeFrames_) {
        renderer_.switchToFloorFrames();
    }
}

void BenchObserver::afterFrame(FrameLoop& loop)
{
    const long frame = loop.frameNumber();
    const auto now = std::chrono::steady_clock::now();
    if (lastImage_) {
        const double millis = std::chrono::duration<double, std::milli>(now - *lastImage_).count();
        if (frame < routeFrames_) {
            routeMillis_.push_back(millis);
        } else if (frame >= routeFrames_ + floorWarmupFrames) {
            floorMillis_.push_back(millis);
        }
    } else {
        rendererName_ = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    }
    lastImage_ = now;
    framesRun_ = frame + 1;
    if (framesRun_ >= routeFrames_ + floorWarmupFrames + floorFrames_) {
        loop.onEscapeReleased();
    }
}

} // namespace tavernrush
