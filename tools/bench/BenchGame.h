#pragma once
// The game as the benchmark runs it, for the frame run and the start-up
// probes alike: composed like every run, without vsync (a frame's time is its
// work, not the wait for the display), without sound and without the
// player's files, the route's input on a fixed clock.

#include "app/GameRun.h"
#include "replay/FixedStepClock.h"
#include "app/ReplayScript.h"
#include "app/ScriptedInput.h"

#include <chrono>
#include <optional>
#include <string>

namespace tavernrush {

// `windowSettings` replaces the build's settings file; `keepVsync` keeps its
// vsync, for the frame pacing.
RunOptions benchRunOptions(const std::optional<std::string>& level,
                           const std::optional<std::string>& windowSettings = std::nullopt, bool keepVsync = false);

class BenchHooks : public RunHooks {
public:
    explicit BenchHooks(ReplayScript route) : input_(std::move(route)), clock_(1.0 / 60.0) {}
    const InputSource& input(GameWindow&, const Settings&) override { return input_; }
    Clock& clock() override { return clock_; }

protected:
    ScriptedInput input_;
    FixedStepClock clock_;
};

// The steady clock in nanoseconds: the same clock in every process, so a
// start-up probe's first image can be timed from its parent's spawn.
inline long long steadyNanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace tavernrush
