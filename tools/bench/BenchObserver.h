#pragma once
// Drives the benchmark's frames in one window: the committed route with its
// passes timed, then floor frames, then bare frames (colour and depth, then
// colour only), timing every frame from one finished image to the next (so
// each time holds one swap).

#include "app/FrameLoop.h"
#include "bench/GpuPassTimer.h"
#include "bench/PhaseRenderer.h"
#include "replay/FixedStepClock.h"
#include "app/ScriptedInput.h"
#include "scene/GlSceneRenderer.h"

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace tavernrush {

struct BenchFrameCounts {
    long route = 1200;
    long floor = 300;
    long bare = 300;
    // The route, then the floor and bare frames with the colour and depth
    // cleared: the window closes before the colour-only bare frames.
    bool routeOnly = false;
};

class BenchObserver : public FrameObserver {
public:
    BenchObserver(ScriptedInput& input, FixedStepClock& clock, PhaseRenderer& renderer, GpuPassTimer& passTimer,
                  const GlSceneRenderer& game, BenchFrameCounts counts);

    void beforeFrame(FrameLoop& loop) override;
    void afterFrame(FrameLoop& loop) override;

    // Frame 0 carries start-up work and has no earlier image to time from.
    const std::vector<double>& routeMillis() const { return routeMillis_; }
    // The render scale each timed route frame was drawn at.
    const std::vector<float>& routeScales() const { return routeScales_; }
    const std::vector<double>& floorMillis() const { return floorMillis_; }
    const std::vector<double>& bareMillis() const { return bareMillis_; }
    const std::vector<double>& bareColourOnlyMillis() const { return bareColourOnlyMillis_; }
    const std::string& rendererName() const { return rendererName_; }

private:
    ScriptedInput& input_;
    FixedStepClock& clock_;
    PhaseRenderer& renderer_;
    GpuPassTimer& passTimer_;
    const GlSceneRenderer& game_;
    BenchFrameCounts counts_;
    std::optional<std::chrono::steady_clock::time_point> lastImage_;
    std::vector<double> routeMillis_;
    std::vector<float> routeScales_;
    std::vector<double> floorMillis_;
    std::vector<double> bareMillis_;
    std::vector<double> bareColourOnlyMillis_;
    std::string rendererName_;
};

} // namespace tavernrush
