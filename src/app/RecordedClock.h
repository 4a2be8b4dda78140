#pragma once
// The clock readings of a run file, frame by frame: a run replays with the
// frame times it was played with. Paced, it also waits until each reading
// is due on the wall clock, so --watch plays at the recorded speed.

#include "app/SteppedClock.h"

#include <chrono>
#include <vector>

namespace tavernrush {

class RecordedClock : public SteppedClock {
public:
    RecordedClock(double start, std::vector<double> frameEndTimes, bool paced);

    void beginFrame(long frame) override;
    double now() override { return reading_; }
    // Frames the run holds.
    long frames() const { return static_cast<long>(frameEndTimes_.size()); }
    // The wall clock stood still for this long (the watcher paused).
    void holdFor(std::chrono::steady_clock::duration held) { wallStart_ += held; }

private:
    double start_;
    std::vector<double> frameEndTimes_;
    bool paced_;
    double reading_;
    // Seconds of the run shown so far, on the wall clock from wallStart_.
    double scheduledSeconds_ = 0.0;
    std::chrono::steady_clock::time_point wallStart_;
};

} // namespace tavernrush
