#pragma once
// A clock that moves by exactly one step per frame, so a replay runs the same
// frame times on any machine however long each frame really takes.

#include "app/SteppedClock.h"

namespace tavernrush {

class FixedStepClock : public SteppedClock {
public:
    // The step is kept in single precision, the precision of the game's frame
    // time; multiples of it are then exact in double and every difference of
    // two consecutive readings is the step itself.
    explicit FixedStepClock(double stepSeconds);

    // Called before frame `frame` runs: the loop reads the clock once more at
    // the end of that frame, and that reading must lie one step further on.
    // The reading before frame 0 (taken when the loop starts) is 0, and the
    // loop gives frame 0 no frame time anyway.
    void beginFrame(long frame) override;

    double now() override { return reading_; }
    double step() const { return step_; }

private:
    double step_;
    double reading_ = 0.0;
};

} // namespace tavernrush
