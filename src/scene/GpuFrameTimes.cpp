#include "scene/GpuFrameTimes.h"

namespace tavernrush {

bool GpuFrameTimes::offered()
{
    GLint bits = 0;
    glGetQueryiv(GL_TIMESTAMP, GL_QUERY_COUNTER_BITS, &bits);
    return bits > 0;
}

GpuFrameTimes::GpuFrameTimes()
{
    for (Stamps& stamps : frames_) {
        stamps.start = createQuery();
        stamps.end = createQuery();
    }
}

void GpuFrameTimes::frameStarts()
{
    Stamps& stamps = frames_[next_];
    if (stamps.pending) {
        // Never read in time: its place goes to this frame.
        stamps.pending = false;
        oldest_ = (next_ + 1) % framesInFlight;
    }
    glQueryCounter(stamps.start.get(), GL_TIMESTAMP);
}

void GpuFrameTimes::frameEnds()
{
    Stamps& stamps = frames_[next_];
    glQueryCounter(stamps.end.get(), GL_TIMESTAMP);
    stamps.pending = true;
    next_ = (next_ + 1) % framesInFlight;
}

std::optional<double> GpuFrameTimes::collectMillis()
{
    Stamps& stamps = frames_[oldest_];
    if (!stamps.pending) {
        return std::nullopt;
    }
    GLint available = 0;
    glGetQueryObjectiv(stamps.end.get(), GL_QUERY_RESULT_AVAILABLE, &available);
    if (available == 0) {
        return std::nullopt;
    }
    GLuint64 start = 0;
    GLuint64 end = 0;
    glGetQueryObjectui64v(stamps.start.get(), GL_QUERY_RESULT, &start);
    glGetQueryObjectui64v(stamps.end.get(), GL_QUERY_RESULT, &end);
    stamps.pending = false;
    oldest_ = (oldest_ + 1) % framesInFlight;
    return end > start ? static_cast<double>(end - start) * 1e-6 : 0.0;
}

} // namespace tavernrush
