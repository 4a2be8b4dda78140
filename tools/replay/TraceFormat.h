#pragma once
// One JSON object per frame, one per line (JSON Lines), so a trace can be
// read with any JSON tool line by line, also from a run that died midway.

#include "replay/FrameRecord.h"

#include <string>

namespace tavernrush {

// A number with 9 significant digits, enough to give back every float
// exactly. JSON has no NaN or infinity; those are written as null so the
// line stays valid and the broken value stands out.
std::string formatTraceNumber(double value);

// The frame as one line of JSON, without the line end.
std::string formatTraceLine(const FrameRecord& record);

} // namespace tavernrush
