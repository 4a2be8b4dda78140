#include "scene/AutomaticRenderScale.h"

#include <algorithm>

namespace tavernrush {

AutomaticRenderScale::AutomaticRenderScale(double refreshHz, bool vsync) : control_(refreshHz), vsync_(vsync)
{
    if (GpuFrameTimes::offered()) {
        gpu_.emplace();
    }
}

float AutomaticRenderScale::frameStarts()
{
    const auto now = std::chrono::steady_clock::now();
    std::optional<double> betweenStarts;
    if (lastStart_) {
        betweenStarts = std::chrono::duration<double, std::milli>(now - *lastStart_).count();
    }
    lastStart_ = now;

    std::optional<double> frameMs;
    if (gpu_) {
        frameMs = gpu_->collectMillis();
        // Without vsync the time between frames is the whole cost: the CPU's
        // share and the swap too, which a software driver does on the CPU.
        if (frameMs && betweenStarts && !vsync_) {
            frameMs = std::max(*frameMs, *betweenStarts);
        }
        gpu_->frameStarts();
    } else if (vsync_ && betweenStarts && *betweenStarts < control_.budgetMs() * 1.25) {
        // A frame that met the display tells nothing more: hold the scale.
        constexpr double insideTheBand = (DynamicResolution::growBelowShare + DynamicResolution::shrinkAboveShare) / 2;
        frameMs = control_.budgetMs() * insideTheBand;
    } else {
        frameMs = betweenStarts;
    }
    return frameMs ? control_.takeFrame(*frameMs) : control_.scale();
}

void AutomaticRenderScale::frameEnds()
{
    if (gpu_) {
        gpu_->frameEnds();
    }
}

} // namespace tavernrush
