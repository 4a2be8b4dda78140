#pragma once
// Chooses the render scale frame by frame to hold the display's rate: the
// scene's cost grows with its pixels, so a frame over its time is drawn
// smaller and one with room to spare larger. No GL: it only reads times.

#include <cstddef>
#include <vector>

namespace tavernrush {

class DynamicResolution {
public:
    // `refreshHz` is the display's rate (60 where it cannot be told); the
    // scale starts at 1.
    explicit DynamicResolution(double refreshHz);

    // One frame's time at the current scale; returns the scale for the next.
    float takeFrame(double frameMs);
    float scale() const { return scale_; }
    double budgetMs() const { return budgetMs_; }

    // The scale moves only when the middle of a window of frames lies
    // outside a band around the budget: below its lower edge there is room
    // to grow, above its upper edge the frame misses the display.
    static constexpr std::size_t framesPerDecision = 12;
    static constexpr double growBelowShare = 0.72;
    static constexpr double shrinkAboveShare = 0.92;
    // The most one decision moves the scale.
    static constexpr float largestStep = 0.1f;

private:
    double budgetMs_;
    float scale_ = 1.0f;
    std::vector<double> window_;
};

} // namespace tavernrush
