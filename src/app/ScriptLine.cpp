#include "app/ScriptLine.h"

#include "app/NumberText.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace tavernrush {
namespace {

long parseFrame(std::string_view word, std::string_view whole)
{
    const std::optional<long> frame = parseWholeNumber(word);
    if (!frame) {
        throw LineError{"expected a frame number or range A-B, got " + quoted(whole)};
    }
    return *frame;
}

} // namespace

std::vector<std::string_view> splitWords(std::string_view line)
{
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < line.size()) {
        while (at < line.size() && std::isspace(static_cast<unsigned char>(line[at])) != 0) {
            ++at;
        }
        const std::size_t start = at;
        while (at < line.size() && std::isspace(static_cast<unsigned char>(line[at])) == 0) {
            ++at;
        }
        if (at > start) {
            words.push_back(line.substr(start, at - start));
        }
    }
    return words;
}

std::string lowerCase(std::string_view word)
{
    std::string lower(word);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

std::string quoted(std::string_view word) { return "'" + std::string(word) + "'"; }

FrameRange parseFrames(std::string_view word)
{
    const std::size_t dash = word.find('-');
    if (dash == std::string_view::npos) {
        const long frame = parseFrame(word, word);
        return {frame, frame};
    }
    const FrameRange range{parseFrame(word.substr(0, dash), word), parseFrame(word.substr(dash + 1), word)};
    if (range.first > range.last) {
        throw LineError{"frame range " + std::string(word) + " ends before it starts"};
    }
    return range;
}

double parseNumber(std::string_view word, std::string_view what)
{
    const std::optional<double> value = parseFiniteNumber(word);
    if (!value) {
        throw LineError{std::string(what) + " " + quoted(word) + " is not a finite number"};
    }
    return *value;
}

void expectCount(const std::vector<std::string_view>& words, std::size_t count, std::string_view usage)
{
    if (words.size() < count) {
        throw LineError{"expected " + std::string(usage)};
    }
    if (words.size() > count) {
        throw LineError{"unexpected " + quoted(words[count]) + " after " + std::string(usage)};
    }
}

long singleFrame(const FrameRange& frames, std::string_view directive)
{
    if (frames.first != frames.last) {
        throw LineError{std::string(directive) + " takes a single frame, not a range"};
    }
    return frames.first;
}

} // namespace tavernrush
