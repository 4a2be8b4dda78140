#pragma once
// A clock set frame by frame instead of read from the wall: the replay's
// fixed step, or the readings a run file recorded.

#include "game/Input.h"

namespace tavernrush {

class SteppedClock : public Clock {
public:
    // Called before frame `frame` runs: the loop reads the clock once more at
    // the end of that frame, and that reading must be the frame's.
    virtual void beginFrame(long frame) = 0;
};

} // namespace tavernrush
