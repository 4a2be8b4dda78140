#pragma once
// The pieces every line of a replay script or run file is read with: its
// words, its frames and numbers, each checked whole, and the error a bad
// line is refused with.

#include "app/ReplayScript.h"

#include <string>
#include <string_view>
#include <vector>

namespace tavernrush {

// Thrown inside the parser only, caught per line and turned into a ScriptError.
struct LineError {
    std::string what;
};

std::vector<std::string_view> splitWords(std::string_view line);
std::string lowerCase(std::string_view word);
std::string quoted(std::string_view word);
FrameRange parseFrames(std::string_view word);
double parseNumber(std::string_view word, std::string_view what);
void expectCount(const std::vector<std::string_view>& words, std::size_t count, std::string_view usage);
long singleFrame(const FrameRange& frames, std::string_view directive);

} // namespace tavernrush
