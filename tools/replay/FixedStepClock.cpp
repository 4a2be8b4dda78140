#include "replay/FixedStepClock.h"

namespace tavernrush {

FixedStepClock::FixedStepClock(double stepSeconds) : step_(static_cast<float>(stepSeconds)) {}

void FixedStepClock::beginFrame(long frame) { reading_ = static_cast<double>(frame + 1) * step_; }

} // namespace tavernrush
