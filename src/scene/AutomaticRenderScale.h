#pragma once
// render_scale = auto: times each frame and hands the scene's targets the
// scale that holds the display's rate. The GPU's own time where the driver
// keeps time stamps, else the CPU's from one frame to the next.

#include "passes/DynamicResolution.h"
#include "scene/GpuFrameTimes.h"

#include <chrono>
#include <optional>

namespace tavernrush {

class AutomaticRenderScale {
public:
    // With vsync the time between frames holds the wait for the display, so
    // it says nothing of the room left; the GPU's time alone does.
    AutomaticRenderScale(double refreshHz, bool vsync);

    // At the start of a frame's drawing: the scale to draw it at.
    float frameStarts();
    // After the frame's last draw into the window.
    void frameEnds();
    double budgetMs() const { return control_.budgetMs(); }

private:
    DynamicResolution control_;
    bool vsync_;
    std::optional<GpuFrameTimes> gpu_;
    std::optional<std::chrono::steady_clock::time_point> lastStart_;
};

} // namespace tavernrush
