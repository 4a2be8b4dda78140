// The script parser. Every line is checked completely (numbers finite, names
// known, nothing left over) so that a typo stops the tool instead of quietly
// replaying something else.

#include "app/ReplayScript.h"

#include "app/KeyNames.h"
#include "app/RunDirectives.h"
#include "app/ScriptLine.h"

#include <algorithm>
#include <cctype>
#include <istream>
#include <optional>
#include <sstream>
#include <utility>

namespace tavernrush {
namespace {

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
    const std::string first = lowerCase(words[0]);
    if (isRunHeaderWord(first)) {
        if (first == "run" && (script.run || !script.keys.empty() || !script.cursor.empty() ||
                               !script.buttons.empty() || !script.scrolls.empty() || !script.focus.empty() ||
                               !script.padButtons.empty() || !script.padAxes.empty() ||
                               !script.escapeReleases.empty())) {
            throw LineError{"'run' comes first in a run file, once"};
        }
        if (first != "run" && !script.run) {
            throw LineError{"'" + first + "' belongs in a run file, after its 'run VERSION' line"};
        }
        if (!script.run) {
            script.run.emplace();
        }
        parseRunHeaderLine(words, *script.run);
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
    } else if (script.run && parseRunFrameLine(words, frames, directive, *script.run)) {
        return;
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
    if (script.run) {
        try {
            checkRunComplete(*script.run);
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
