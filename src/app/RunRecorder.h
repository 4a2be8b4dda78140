#pragma once
// Writes the run being played into its run file, frame by frame: the input
// the rules were given (sampled once before each frame), the clock reading
// each frame ended with, the wheel and the end, the rules' checksums every
// 60 frames and the figure's place every few frames for a ghost. A new
// best win is also kept as the level's best run.
//
// The wheel reaches the rules through the recorder, before the next frame,
// as a replay delivers it; the camera takes it up in that frame either way.

#include "app/FrameLoop.h"
#include "app/RunFileWriter.h"
#include "app/RunRecord.h"
#include "app/SampledInput.h"
#include "app/WindowControl.h"

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <vector>

namespace tavernrush {

inline constexpr long checksumEveryFrames = 60;
inline constexpr long ghostSampleEveryFrames = 6;
// Seconds of play between flushes; a crash loses no more.
inline constexpr double flushEverySeconds = 0.5;

struct RunRecorderParts {
    RunFileWriter& file;
    SampledInput& input;
    WindowControl& window;
    // Where a new best win is copied; none keeps no best run.
    std::optional<std::filesystem::path> bestRun;
    // The win time of the best run kept so far, if any.
    std::optional<int> bestTenths;
    std::ostream& log;
    // Runs first in each frame (the replay's own observer), or none.
    FrameObserver* inner = nullptr;
};

class RunRecorder : public FrameObserver, public InputEvents {
public:
    RunRecorder(RunRecorderParts parts, const RunHeader& header);
    ~RunRecorder() override;

    void beforeFrame(FrameLoop& loop) override;
    void afterFrame(FrameLoop& loop) override;
    // Delivered to `loop` before the next frame.
    void onScroll(double yoffset) override { scrolls_.push_back(yoffset); }
    // Escape and the taps go on to the loop (the menus take them), once it runs.
    void onEscapeReleased() override;
    void onKeyPressed(int code) override;

private:
    void writeInput(long frame);
    void keepBestRun(FrameLoop& loop, long frame);

    RunRecorderParts parts_;
    std::vector<double> scrolls_;
    std::optional<InputSnapshot> last_;
    double lastFlushClock_ = 0.0;
    FrameLoop* loop_ = nullptr;
};

} // namespace tavernrush
