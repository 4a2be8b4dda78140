#include "replay/ReplayObserver.h"

#include "replay/FrameRecord.h"
#include "replay/TraceFormat.h"
#include "app/WindowImage.h"

#include <GL/glew.h>

#include <algorithm>
#include <ostream>
#include <utility>

namespace tavernrush {

FrameCapture windowFrameCapture()
{
    return FrameCapture{[] { glFinish(); },
                        [](const std::string& path) { return saveWindowImage(path, currentWindowFramebufferSize()); }};
}

ReplayObserver::ReplayObserver(ScriptedInput& input, SteppedClock& clock, ReplayRecording recording,
                               FrameCapture capture, std::ostream& errors)
    : input_(input), clock_(clock), recording_(std::move(recording)), capture_(std::move(capture)), errors_(errors)
{
    // Room for a usual run; a run of millions of frames grows the list as it goes.
    constexpr long usualFrames = 1 << 16;
    frameMillis_.reserve(static_cast<std::size_t>(std::min(recording_.frameLimit, usualFrames)));
}

void ReplayObserver::beforeFrame(FrameLoop& loop)
{
    const long frame = loop.frameNumber();
    startScriptedFrame(frame, input_, clock_, wheel_ != nullptr ? *wheel_ : static_cast<InputEvents&>(loop));
    const ReplayScript& script = input_.script();
    for (const long release : script.escapeReleases) {
        if (release == frame) {
            loop.onEscapeReleased();
            endsAfterThisFrame_ = true;
        }
    }
    frameStart_ = std::chrono::steady_clock::now();
}

void ReplayObserver::afterFrame(FrameLoop& loop)
{
    capture_.finishRendering();
    const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - frameStart_;
    frameMillis_.push_back(spent.count());

    const long frame = loop.frameNumber();
    for (const ShotRequest& shot : recording_.shots) {
        if (shot.frame != frame) {
            continue;
        }
        const std::string problem = capture_.saveImage(shot.path);
        if (!problem.empty()) {
            errors_ << "shot of frame " << frame << ": " << problem << '\n';
            ++failedShots_;
        }
    }
    if (recording_.sound != nullptr) {
        recording_.sound->recordFrame(frame);
    }
    if (recording_.trace != nullptr) {
        // Flushed per frame so a run that crashes leaves its trace up to the
        // frame before the crash.
        FrameRecord record = recordFrame(loop);
        if (renderScale_) {
            record.renderScale = renderScale_();
        }
        *recording_.trace << formatTraceLine(record) << '\n' << std::flush;
    }

    framesRun_ = frame + 1;
    if (framesRun_ >= recording_.frameLimit || (recording_.frameCheck && !recording_.frameCheck(loop))) {
        loop.onEscapeReleased();
        endsAfterThisFrame_ = true;
    }
    if (recording_.memoryLog != nullptr && (frame % memoryLogInterval == 0 || endsAfterThisFrame_)) {
        logMemory(frame);
    }
}

void ReplayObserver::logMemory(long frame)
{
    const std::optional<long> kib = recording_.readResidentKiB();
    if (!kib) {
        errors_ << "memory log: cannot read the resident size after frame " << frame << '\n';
        ++failedMemoryReadings_;
        return;
    }
    // Flushed like the trace, so a run that dies leaves the figures so far.
    *recording_.memoryLog << frame << ' ' << *kib << '\n' << std::flush;
}

std::vector<ShotRequest> ReplayObserver::shotsNotTaken() const
{
    std::vector<ShotRequest> missing;
    for (const ShotRequest& shot : recording_.shots) {
        if (shot.frame >= framesRun_) {
            missing.push_back(shot);
        }
    }
    return missing;
}

} // namespace tavernrush
