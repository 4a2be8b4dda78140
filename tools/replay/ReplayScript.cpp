// The script parser. Every line is checked completely (numbers finite, names
// known, nothing left over) so that a typo stops the tool instead of quietly
// replaying something else.

#include "replay/ReplayScript.h"

#include "replay/NumberText.h"

#include <algorithm>
#include <cctype>
#include <istream>
#include <optional>
#include <sstream>
#include <utility>

namespace tavernrush {
namespace {

// Thrown inside the parser only, caught per line and turned into a ScriptError.
struct LineError {
    std::string what;
};

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

long parseFrame(std::string_view word, std::string_view whole)
{
    const std::optional<long> frame = parseWholeNumber(word);
    if (!frame) {
        throw LineError{"expected a frame number or range A-B, got " + quoted(whole)};
    }
    return *frame;
}

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

// The script's name of each key; the soak script and the fuzz target write
// keys by these names too.
constexpr std::pair<std::string_view, Key> keyNames[] = {
    {"up", Key::Up},   {"down", Key::Down}, {"left", Key::Left}, {"right", Key::Right},
    {"space", Key::Space}, {"f10", Key::F10}, {"h", Key::H},      {"d", Key::D},
    {"n", Key::N},     {"f", Key::F},       {"c", Key::C},      {"m", Key::M},
};

std::optional<Key> keyNamed(std::string_view name)
{
    const std::string lower = lowerCase(name);
    for (const auto& [keyName, key] : keyNames) {
        if (lower == keyName) {
            return key;
        }
    }
    return std::nullopt;
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

void parseLine(std::string_view line, ReplayScript& script)
{
    const std::vector<std::string_view> words = splitWords(line.substr(0, line.find('#')));
    if (words.empty()) {
        return;
    }
    const FrameRange frames = parseFrames(words[0]);
    if (words.size() < 2) {
        throw LineError{"missing directive after " + quoted(words[0])};
    }
    const std::string directive = lowerCase(words[1]);

    if (directive == "key") {
        if (words.size() < 3) {
            throw LineError{"expected A-B key NAME..."};
        }
        for (std::size_t i = 2; i < words.size(); ++i) {
            const std::optional<Key> key = keyNamed(words[i]);
            if (!key) {
                throw LineError{"unknown key " + quoted(words[i]) +
                                " (known: up down left right space f10 h d n f c m)"};
            }
            script.keys.push_back({frames, *key});
        }
    } else if (directive == "cursor") {
        expectCount(words, 4, "A-B cursor X Y");
        script.cursor.push_back(
            {frames, glm::dvec2(parseNumber(words[2], "cursor x"), parseNumber(words[3], "cursor y"))});
    } else if (directive == "button") {
        expectCount(words, 3, "A-B button left|right");
        const std::string button = lowerCase(words[2]);
        if (button != "left" && button != "right") {
            throw LineError{"unknown button " + quoted(words[2]) + " (known: left right)"};
        }
        script.buttons.push_back({frames, button == "left" ? MouseButton::Left : MouseButton::Right});
    } else if (directive == "scroll") {
        expectCount(words, 3, "A scroll DY");
        script.scrolls.push_back({singleFrame(frames, "scroll"), parseNumber(words[2], "scroll step")});
    } else if (directive == "release") {
        expectCount(words, 3, "A release escape");
        if (lowerCase(words[2]) != "escape") {
            throw LineError{"only escape can be released, not " + quoted(words[2])};
        }
        script.escapeReleases.push_back(singleFrame(frames, "release"));
    } else {
        throw LineError{"unknown directive " + quoted(words[1]) + " (known: key cursor button scroll release)"};
    }
}

} // namespace

std::string ScriptError::message() const { return "line " + std::to_string(line) + ": " + what; }

ScriptParse parseReplayScript(std::istream& in)
{
    ReplayScript script;
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        try {
            parseLine(line, script);
        } catch (const LineError& error) {
            return ScriptError{number, error.what};
        }
    }
    return script;
}

ScriptParse parseReplayScript(std::string_view text)
{
    std::istringstream in{std::string(text)};
    return parseReplayScript(in);
}

std::string_view keyScriptName(Key key)
{
    for (const auto& [name, named] : keyNames) {
        if (named == key) {
            return name;
        }
    }
    return "?";
}

} // namespace tavernrush
