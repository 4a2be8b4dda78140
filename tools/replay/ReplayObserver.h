#pragma once
// Drives the game's own frame loop from a replay script and records each
// frame: input and clock are set before the frame, the wheel and Escape
// events delivered; after it the trace line and screenshots are written and
// the frame's wall time taken.

#include "app/FrameLoop.h"
#include "replay/FixedStepClock.h"
#include "replay/ReplayOptions.h"
#include "replay/ResidentMemory.h"
#include "app/ScriptedInput.h"
#include "replay/SoundRecorder.h"

#include <chrono>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace tavernrush {

// The GL work of a recording, replaceable so the observer runs without a
// window in tests.
struct FrameCapture {
    // Waits for the frame's rendering so its wall time includes the GPU work.
    std::function<void()> finishRendering;
    // Writes the window's image; an empty result means success.
    std::function<std::string(const std::string& path)> saveImage;
};

// The GL versions: glFinish and a PNG of the default framebuffer.
FrameCapture windowFrameCapture();

// The memory log samples every this many frames: often enough to see a trend
// over a long run, rarely enough that reading /proc costs nothing.
inline constexpr long memoryLogInterval = 100;

struct ReplayRecording {
    long frameLimit = 600;
    // Null: no trace.
    std::ostream* trace = nullptr;
    std::vector<ShotRequest> shots;
    // Null: no memory log. Otherwise one line "frame residentKiB" after frame
    // 0, after every multiple of memoryLogInterval and after the last frame.
    std::ostream* memoryLog = nullptr;
    std::function<std::optional<long>()> readResidentKiB = residentKiB;
    // Null: no sound recording.
    SoundRecorder* sound = nullptr;
    // Asked after each frame (a run file's checksums); false ends the run
    // after this frame.
    std::function<bool(const FrameLoop&)> frameCheck{};
};

class ReplayObserver : public FrameObserver {
public:
    ReplayObserver(ScriptedInput& input, SteppedClock& clock, ReplayRecording recording, FrameCapture capture,
                   std::ostream& errors);

    void beforeFrame(FrameLoop& loop) override;
    void afterFrame(FrameLoop& loop) override;

    long framesRun() const { return framesRun_; }
    // The script's wheel goes to `wheel` (a run being kept) instead of the
    // loop; null: to the loop.
    void routeWheel(InputEvents* wheel) { wheel_ = wheel; }
    // Records each frame's sound from now on; null stops.
    void recordSound(SoundRecorder* recorder) { recording_.sound = recorder; }
    // Each trace line from now on carries the render scale this reads.
    void traceRenderScale(std::function<float()> renderScale) { renderScale_ = std::move(renderScale); }
    // Wall time of each frame from the end of beforeFrame to the finished
    // image, in milliseconds; excludes the recording itself and the swap.
    const std::vector<double>& frameMillis() const { return frameMillis_; }
    // Shots that failed to write; each was reported on `errors` already.
    int failedShots() const { return failedShots_; }
    // Shots whose frame the run never reached (Escape ended it earlier).
    std::vector<ShotRequest> shotsNotTaken() const;
    // Memory log entries that could not be read; each was reported already.
    int failedMemoryReadings() const { return failedMemoryReadings_; }

private:
    void logMemory(long frame);

    ScriptedInput& input_;
    SteppedClock& clock_;
    InputEvents* wheel_ = nullptr;
    ReplayRecording recording_;
    FrameCapture capture_;
    std::ostream& errors_;
    long framesRun_ = 0;
    int failedShots_ = 0;
    int failedMemoryReadings_ = 0;
    // Escape was released before the running frame: it is the last one.
    bool endsAfterThisFrame_ = false;
    std::vector<double> frameMillis_;
    std::function<float()> renderScale_;
    std::chrono::steady_clock::time_point frameStart_;
};

} // namespace tavernrush
