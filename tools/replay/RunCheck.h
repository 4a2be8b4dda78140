#pragma once
// Compares a replayed run with the checksums its run file holds, after each
// frame that has one. The first part that differs ends the replay and names
// the frame and the part.

#include "app/FrameLoop.h"
#include "app/RunRecord.h"

#include <optional>
#include <string>
#include <vector>

namespace tavernrush {

class RunCheck {
public:
    explicit RunCheck(std::vector<RecordedChecksums> checks) : checks_(std::move(checks)) {}

    // False once the replay went its own way.
    bool afterFrame(long frame, const RulesChecksums& replayed);
    // "frame 120: the player differs from the run (run 1f..., replay 2a...)".
    const std::optional<std::string>& divergence() const { return divergence_; }
    // Checks compared so far.
    std::size_t compared() const { return next_; }

private:
    std::vector<RecordedChecksums> checks_;
    std::size_t next_ = 0;
    std::optional<std::string> divergence_;
};

} // namespace tavernrush
