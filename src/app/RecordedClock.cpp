#include "app/RecordedClock.h"

#include <thread>

namespace tavernrush {

RecordedClock::RecordedClock(double start, std::vector<double> frameEndTimes, bool paced)
    : start_(start), frameEndTimes_(std::move(frameEndTimes)), paced_(paced), reading_(start),
      wallStart_(std::chrono::steady_clock::now())
{
}

void RecordedClock::beginFrame(long frame)
{
    if (frame < 0 || frame >= frames()) {
        return;
    }
    if (paced_ && frame > 0) {
        // The frame before ended at this reading: it is shown no earlier.
        const std::chrono::duration<double> due(reading_ - start_);
        std::this_thread::sleep_until(wallStart_ + std::chrono::duration_cast<std::chrono::steady_clock::duration>(due));
    }
    reading_ = frameEndTimes_[static_cast<std::size_t>(frame)];
}

} // namespace tavernrush
