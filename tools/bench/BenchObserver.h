#pragma once
// Drives the benchmark run: the committed route first, then floor frames in
// the same window, timing every frame from one finished image to the next
// (so each time holds one swap) and the process's age at its first shown frame.

#include "app/FrameLoop.h"
#include "bench/FloorSwitchRenderer.h"
#include "replay/FixedStepClock.h"
#include "replay/ScriptedInput.h"

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace tavernrush {

class BenchObserver : public FrameObserver {
public:
    BenchObserver(ScriptedInput& input, FixedStepClock& clock, FloorSwitchRenderer& renderer, long routeFrames,
                  long floorFrames);

    void beforeFrame(FrameLoop& loop) override;
    void afterFrame(FrameLoop& loop) override;

    // Frame 0 carries start-up work and has no earlier image to time from.
    const std::vector<double>& routeMillis() const { return routeMillis_; }
    const std::vector<double>& floorMillis() const { return floorMillis_; }
    double startupMillis() const { return startupMillis_; }
    const std::string& rendererName() const { return rendererName_; }
    long framesRun() const { return framesRun_; }

private:
    ScriptedInput& input_;
    FixedStepClock& clock_;
    FloorSwitchRenderer& renderer_;
    long routeFrames_;
    long floorFrames_;
    std::optional<std::chrono::steady_clock::time_point> lastImage_;
    std::vector<double> routeMillis_;
    std::vector<double> floorMillis_;
    double startupMillis_ = -1.0;
    std::string rendererName_;
    long framesRun_ = 0;
};

} // namespace tavernrush
