#include "app/RecordedClock.h"

#include <algorithm>
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
    const double before = reading_;
    reading_ = frameEndTimes_[static_cast<std::size_t>(frame)];
    if (frame == 0) {
        // The schedule starts with the first frame, not with the loading before it.
        wallStart_ = std::chrono::steady_clock::now();
        scheduledSeconds_ = 0.0;
        return;
    }
    if (paced_) {
        // The frame before is shown no earlier than it was played. A gap of
        // more than a second (a stalled game, or a damaged file's numbers)
        // is watched as one second, and a reading going back as none.
        const double earlier = frame >= 2 ? frameEndTimes_[static_cast<std::size_t>(frame - 2)] : start_;
        scheduledSeconds_ += std::clamp(before - earlier, 0.0, 1.0);
        std::this_thread::sleep_until(wallStart_ + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                                                       std::chrono::duration<double>(scheduledSeconds_)));
    }
}

} // namespace tavernrush
