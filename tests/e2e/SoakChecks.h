#pragma once
// What a soak run must show: no sanitizer report, no GL error line, the
// figure never below the ground, the pickup counters moving only the way the
// rules move them, and resident memory that stays level once the game has
// warmed up.

#include "TraceJson.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavernrush::e2e {

// The figures of one trace line the soak looks at.
struct SoakFrame {
    long frame = 0;
    long coins = 0;
    long beers = 0;
    double playerY = 0.0;
};

// Nullopt when the line lacks one of the figures.
std::optional<SoakFrame> soakFrameOf(const Json& line);

// The lines of a process's output that belong to a sanitizer report
// (AddressSanitizer, LeakSanitizer, UBSan's "runtime error:").
std::vector<std::string> sanitizerReportLines(std::string_view output);

// The game's "OpenGL Error: " lines.
std::vector<std::string> openGlErrorLines(std::string_view output);

// Whether the restart key was held in a frame.
using RestartHeld = std::function<bool(long frame)>;

// One problem per line. The frames must be 0 to frameCount - 1 in order; the
// figure's height never below 0; the counters never negative, both 0 right
// after a frame with the restart key held, and otherwise growing by at most
// one coin (a pickup pass ends at the first coin) and 25 beers (every beer
// of the field at once) per frame, never shrinking.
std::vector<std::string> frameProblems(const std::vector<SoakFrame>& frames, long frameCount,
                                       const RestartHeld& restartHeld);

struct MemorySample {
    long frame = 0;
    long residentKiB = 0;
};

// The replay tool's memory log ("frame residentKiB" per line); nullopt when
// a line is malformed.
std::optional<std::vector<MemorySample>> parseMemoryLog(std::string_view text);

struct MemoryComparison {
    long baselineKiB = 0;
    long finalKiB = 0;
    // (final - baseline) / baseline.
    double change = 0.0;
    // Empty when the final figure lies within the tolerance of the baseline.
    std::string problem;
};

// Compares the sample after `baselineFrame` with the one after the last
// frame, `lastFrame`; both must be in the log.
MemoryComparison compareMemory(const std::vector<MemorySample>& samples, long baselineFrame, long lastFrame,
                               double tolerance);

} // namespace tavernrush::e2e
