#pragma once
// Writes a replay script back as text in the replay tool's own format.

#include "app/ReplayScript.h"

#include <string>
#include <string_view>

namespace tavernrush {

// One directive per line, grouped by kind; `heading` becomes a comment at
// the top. Parsing the text gives the same script back.
std::string formatReplayScript(const ReplayScript& script, std::string_view heading = {});


} // namespace tavernrush
