#include "replay/SoundRecorder.h"

#include <cmath>

namespace tavernrush {

long firstSampleOfFrame(long frame, double dt)
{
    return std::lround(static_cast<double>(frame) * dt * Audio::loopbackSampleRate);
}

void SoundRecorder::recordFrame(long frame)
{
    const long count = firstSampleOfFrame(frame + 1, dt_) - firstSampleOfFrame(frame, dt_);
    wav_.write(audio_.render(static_cast<int>(count)));
}

} // namespace tavernrush
