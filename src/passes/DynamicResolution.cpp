#include "passes/DynamicResolution.h"

#include "passes/GraphicsSettings.h"

#include <algorithm>
#include <cmath>

namespace tavernrush {

DynamicResolution::DynamicResolution(double refreshHz)
    : budgetMs_(1000.0 / (refreshHz > 0.0 ? refreshHz : 60.0))
{
    window_.reserve(framesPerDecision);
}

float DynamicResolution::takeFrame(double frameMs)
{
    window_.push_back(frameMs);
    if (window_.size() < framesPerDecision) {
        return scale_;
    }
    // The median, so one late frame (another program, a page fault) moves nothing.
    std::nth_element(window_.begin(), window_.begin() + framesPerDecision / 2, window_.end());
    const double typicalMs = window_[framesPerDecision / 2];
    // The next decision reads only frames drawn at the scale it made.
    window_.clear();
    const double aimMs = budgetMs_ * (growBelowShare + shrinkAboveShare) * 0.5;
    if (typicalMs >= budgetMs_ * growBelowShare && typicalMs <= budgetMs_ * shrinkAboveShare) {
        return scale_;
    }
    // The cost goes with the pixels, the square of the scale: aim for the
    // middle of the band, at most largestStep at a time, in steps of 1/40.
    const double wanted = scale_ * std::sqrt(aimMs / std::max(typicalMs, 0.001));
    const double rounded = typicalMs > aimMs ? std::floor(wanted * 40.0) / 40.0 : std::ceil(wanted * 40.0) / 40.0;
    const float stepped = std::clamp(static_cast<float>(rounded), scale_ - largestStep, scale_ + largestStep);
    scale_ = std::clamp(stepped, smallestAutomaticRenderScale, 1.0f);
    return scale_;
}

} // namespace tavernrush
