// The script parser. Every line is checked completely (numbers finite, names
// known, nothing left over) so that a typo stops the tool instead of quietly
// replaying something else.

#include "replay/ReplayScript.h"

#include "app/KeyNames.h"
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

void parsePadLine(const std::vector<std::string_view>& words, const FrameRange& frames, ReplayScript& script)
{
    const std::string part = words.size() > 2 ? lowerCase(words[2]) : std::string();
    if (part == "button") {
        expectCount(words, 4, "A-B pad button NAME");
        const std::optional<PadButton> button = padButtonNamed(lowerCase(words[3]));
        if (!button) {
            throw LineError{"unknown pad button " + quoted(words[3]) + " (GLFW's names: a b x y back start " +
                            "guide left_bumper right_bumper left_thumb right_thumb dpad_up dpad_right " +
                            "dpad_down dpad_left)"};
        }
        script.padButtons.push_back({frames, *button});
    } else if (part == "axis") {
        expectCount(words, 5, "A-B pad axis NAME VALUE");
        const std::optional<PadAxis> axis = padAxisNamed(lowerCase(words[3]));
        if (!axis) {
            throw LineError{"unknown pad axis " + quoted(words[3]) +
                            " (GLFW's names: left_x left_y right_x right_y left_trigger right_trigger)"};
        }
        const double value = parseNumber(words[4], "pad axis value");
        if (value < -1.0 || value > 1.0) {
            throw LineError{"pad axis value " + quoted(words[4]) + " is outside -1 to 1"};
        }
        script.padAxes.push_back({frames, *axis, static_cast<float>(value)});
    } else {
        throw LineError{"expected A-B pad button NAME or A-B pad axis NAME VALUE"};
    }
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
            const std::optional<int> key = keyCodeNamed(words[i]);
            if (!key) {
                throw LineError{"unknown key " + quoted(words[i]) +
                                " (known: the key names of [controls], such as up space a f1 page_up)"};
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
    } else if (directive == "focus") {
        expectCount(words, 3, "A focus out|in");
        const std::string change = lowerCase(words[2]);
        if (change != "out" && change != "in") {
            throw LineError{"focus goes out or in, not " + quoted(words[2])};
        }
        script.focus.push_back({singleFrame(frames, "focus"), change == "in"});
    } else if (directive == "pad") {
        parsePadLine(words, frames, script);
    } else {
        throw LineError{"unknown directive " + quoted(words[1]) +
                        " (known: key cursor button scroll release focus pad)"};
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

} // namespace tavernrush
