#include "bench/GpuPassTimer.h"

namespace tavernrush {

GpuPassTimer::GpuPassTimer()
{
    for (FrameQueries& frame : ring_) {
        glGenQueries(renderPassCount, frame.names.data());
    }
}

GpuPassTimer::~GpuPassTimer()
{
    for (FrameQueries& frame : ring_) {
        glDeleteQueries(renderPassCount, frame.names.data());
    }
}

void GpuPassTimer::begin(RenderPass pass)
{
    if (fenced_) {
        running_ = pass;
        glFinish();
        fenceStart_ = std::chrono::steady_clock::now();
        return;
    }
    FrameQueries& frame = ring_[current_];
    const auto index = static_cast<std::size_t>(pass);
    // A pass that runs twice in one frame (none does today) keeps its first time.
    if (frame.pending[index]) {
        open_ = false;
        return;
    }
    running_ = pass;
    open_ = true;
    glBeginQuery(GL_TIME_ELAPSED, frame.names[index]);
}

void GpuPassTimer::end()
{
    if (fenced_) {
        glFinish();
        fencedMillis_[static_cast<std::size_t>(running_)].push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - fenceStart_).count());
        return;
    }
    if (!open_) {
        return;
    }
    glEndQuery(GL_TIME_ELAPSED);
    ring_[current_].pending[static_cast<std::size_t>(running_)] = true;
    open_ = false;
}

void GpuPassTimer::nextFrame(bool fenced)
{
    fenced_ = fenced;
    current_ = (current_ + 1) % ringSize;
    // Frames old by now; their results are ready or nearly so.
    collect(ring_[current_]);
}

void GpuPassTimer::collectAll()
{
    for (FrameQueries& frame : ring_) {
        collect(frame);
    }
}

void GpuPassTimer::collect(FrameQueries& frame)
{
    for (std::size_t index = 0; index < frame.names.size(); ++index) {
        if (!frame.pending[index]) {
            continue;
        }
        GLuint64 nanoseconds = 0;
        glGetQueryObjectui64v(frame.names[index], GL_QUERY_RESULT, &nanoseconds);
        millis_[index].push_back(static_cast<double>(nanoseconds) * 1e-6);
        frame.pending[index] = false;
    }
}

} // namespace tavernrush
