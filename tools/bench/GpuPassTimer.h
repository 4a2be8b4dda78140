#pragma once
// Per-pass GPU time, two ways. Most frames: GL_TIME_ELAPSED queries, each
// frame with its own set from a small ring, read back only when the ring
// comes round to it again, so reading never waits on the driver. Fenced
// frames: the pass alone between two glFinish calls, timed on the clock. A
// driver that collects draws and renders them later (llvmpipe bins them and
// rasterizes when the target changes or the frame ends) may book that work
// to whichever query is open then; the fenced time is the pass's own.

#include "render/GlName.h"
#include "scene/PassTimer.h"

#include <GL/glew.h>

#include <array>
#include <chrono>
#include <vector>

namespace tavernrush {

class GpuPassTimer : public PassTimer {
public:
    GpuPassTimer();
    ~GpuPassTimer() override;
    GpuPassTimer(const GpuPassTimer&) = delete;
    GpuPassTimer& operator=(const GpuPassTimer&) = delete;

    void begin(RenderPass pass) override;
    void end() override;
    // Moves on to the next frame's set of queries; `fenced` says how that
    // frame is timed.
    void nextFrame(bool fenced);
    // Reads every query still outstanding (waiting for it if need be).
    void collectAll();

    // Milliseconds of each frame in which the pass ran, per pass.
    const std::vector<double>& millis(RenderPass pass) const { return millis_[static_cast<std::size_t>(pass)]; }
    const std::vector<double>& fencedMillis(RenderPass pass) const
    {
        return fencedMillis_[static_cast<std::size_t>(pass)];
    }

private:
    static constexpr std::size_t ringSize = 4;
    struct FrameQueries {
        std::array<GLuint, renderPassCount> names{};
        std::array<bool, renderPassCount> pending{};
    };
    void collect(FrameQueries& frame);

    std::array<FrameQueries, ringSize> ring_{};
    std::size_t current_ = 0;
    RenderPass running_ = RenderPass::shadow;
    bool open_ = false;
    bool fenced_ = false;
    std::chrono::steady_clock::time_point fenceStart_;
    std::array<std::vector<double>, renderPassCount> millis_;
    std::array<std::vector<double>, renderPassCount> fencedMillis_;
};

} // namespace tavernrush
