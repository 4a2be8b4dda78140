#pragma once
// Reading the lines a run file adds to a replay script (RunRecord.h lists
// them). Each throws LineError for a line it refuses.

#include "app/RunRecord.h"
#include "app/ScriptLine.h"

#include <string_view>
#include <vector>

namespace tavernrush {

// A header line (run, level, seed, window, clock), one without a frame.
bool isRunHeaderWord(std::string_view word);
void parseRunHeaderLine(const std::vector<std::string_view>& words, RunRecord& run);

// A frame line of a run: false when `directive` is none of them.
bool parseRunFrameLine(const std::vector<std::string_view>& words, const FrameRange& frames,
                       std::string_view directive, RunRecord& run);

// After the last line: a run file must say what it played and hold frames.
void checkRunComplete(const RunRecord& run);

} // namespace tavernrush
