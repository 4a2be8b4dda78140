#include "app/RunDirectives.h"

#include "app/NumberText.h"
#include "game/Action.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace tavernrush {
namespace {

// Longer than any level name or version a game writes.
constexpr std::size_t longestName = 64;

std::string plainName(std::string_view word, std::string_view what)
{
    const bool plain = !word.empty() && word.size() <= longestName &&
                       std::all_of(word.begin(), word.end(), [](char c) {
                           return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                                  c == '_' || c == '-' || c == '.';
                       });
    if (!plain) {
        throw LineError{std::string(what) + " must be letters, digits, '_', '-' or '.', at most 64"};
    }
    return std::string(word);
}

long wholeNumber(std::string_view word, std::string_view what, long largest)
{
    const std::optional<long> value = parseWholeNumber(word);
    if (!value || *value > largest) {
        throw LineError{std::string(what) + " " + quoted(word) + " is not a whole number up to " +
                        std::to_string(largest)};
    }
    return *value;
}

long single(const FrameRange& frames, std::string_view directive) { return singleFrame(frames, directive); }

template <typename Value>
void addFromFrame(std::vector<FromFrame<Value>>& list, long frame, Value value, std::string_view directive)
{
    if (!list.empty() && list.back().frame > frame) {
        throw LineError{std::string(directive) + " of frame " + std::to_string(frame) + " comes after frame " +
                        std::to_string(list.back().frame) + "'s"};
    }
    list.push_back({frame, value});
}

std::uint32_t actionsOf(const std::vector<std::string_view>& words)
{
    std::uint32_t held = 0;
    for (std::size_t i = 2; i < words.size(); ++i) {
        const std::optional<Action> action = actionNamed(lowerCase(words[i]));
        if (!action) {
            throw LineError{"unknown action " + quoted(words[i]) + " (the action names of [controls])"};
        }
        held |= 1U << static_cast<int>(*action);
    }
    return held;
}

std::uint32_t mouseOf(const std::vector<std::string_view>& words)
{
    std::uint32_t held = 0;
    for (std::size_t i = 2; i < words.size(); ++i) {
        const std::string button = lowerCase(words[i]);
        if (button != "left" && button != "right") {
            throw LineError{"unknown button " + quoted(words[i]) + " (known: left right)"};
        }
        held |= button == "left" ? 1U : 2U;
    }
    return held;
}

GamepadState gamepadOf(const std::vector<std::string_view>& words)
{
    GamepadState pad;
    for (std::size_t i = 2; i < words.size(); ++i) {
        const std::size_t equals = words[i].find('=');
        if (equals == std::string_view::npos) {
            const std::optional<PadButton> button = padButtonNamed(lowerCase(words[i]));
            if (!button) {
                throw LineError{"unknown pad button " + quoted(words[i])};
            }
            pad.buttons[static_cast<std::size_t>(*button)] = true;
            continue;
        }
        const std::optional<PadAxis> axis = padAxisNamed(lowerCase(words[i].substr(0, equals)));
        if (!axis) {
            throw LineError{"unknown pad axis " + quoted(words[i].substr(0, equals))};
        }
        const double value = parseNumber(words[i].substr(equals + 1), "pad axis value");
        if (value < -1.0 || value > 1.0) {
            throw LineError{"pad axis value " + quoted(words[i].substr(equals + 1)) + " is outside -1 to 1"};
        }
        pad.axes[static_cast<std::size_t>(*axis)] = static_cast<float>(value);
    }
    return pad;
}

RecordedChecksums checksumsOf(const std::vector<std::string_view>& words, long frame)
{
    RecordedChecksums check{frame, {}};
    std::array<bool, checksumPartCount> seen{};
    for (std::size_t i = 2; i < words.size(); ++i) {
        const std::size_t equals = words[i].find('=');
        const std::string_view name = words[i].substr(0, equals);
        int part = 0;
        while (part < checksumPartCount && checksumPartName(static_cast<ChecksumPart>(part)) != name) {
            ++part;
        }
        const std::string_view digits = equals == std::string_view::npos ? std::string_view() : words[i].substr(equals + 1);
        std::uint64_t value = 0;
        const auto [stop, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
        if (part == checksumPartCount || digits.empty() || digits.size() > 16 || error != std::errc{} ||
            stop != digits.data() + digits.size() || seen[static_cast<std::size_t>(part)]) {
            throw LineError{"expected PART=HEX once for each of player camera coins beers unicorns timers "
                            "pictures, got " + quoted(words[i])};
        }
        seen[static_cast<std::size_t>(part)] = true;
        check.sums[static_cast<std::size_t>(part)] = value;
    }
    if (std::find(seen.begin(), seen.end(), false) != seen.end()) {
        throw LineError{"a check names every part: player camera coins beers unicorns timers pictures"};
    }
    return check;
}

float finiteFloat(std::string_view word, std::string_view what)
{
    const double value = parseNumber(word, what);
    if (std::abs(value) > static_cast<double>(std::numeric_limits<float>::max())) {
        throw LineError{std::string(what) + " " + quoted(word) + " is too large"};
    }
    return static_cast<float>(value);
}

} // namespace

bool isRunHeaderWord(std::string_view word)
{
    return word == "run" || word == "level" || word == "seed" || word == "window" || word == "clock";
}

void parseRunHeaderLine(const std::vector<std::string_view>& words, RunRecord& run)
{
    const std::string_view word = words[0];
    RunHeader& header = run.header;
    if (word == "run") {
        expectCount(words, 2, "run VERSION");
        header.version = plainName(words[1], "the version");
    } else if (word == "level") {
        expectCount(words, 2, "level NAME");
        header.level = plainName(words[1], "the level's name");
    } else if (word == "seed") {
        expectCount(words, 4, "seed COINS BEERS UNICORNS");
        for (std::size_t i = 0; i < 3; ++i) {
            header.seeds[i] = static_cast<std::uint32_t>(
                wholeNumber(words[i + 1], "seed", std::numeric_limits<std::uint32_t>::max()));
        }
    } else if (word == "window") {
        expectCount(words, 3, "window W H");
        header.width = static_cast<int>(wholeNumber(words[1], "window width", 16384));
        header.height = static_cast<int>(wholeNumber(words[2], "window height", 16384));
        if (header.width < 2 || header.height < 2) {
            throw LineError{"the window is at least 2 by 2"};
        }
    } else {
        expectCount(words, 2, "clock T");
        header.clockStart = parseNumber(words[1], "clock");
    }
}

bool parseRunFrameLine(const std::vector<std::string_view>& words, const FrameRange& frames,
                       std::string_view directive, RunRecord& run)
{
    if (directive == "time") {
        expectCount(words, 3, "N time T");
        const long frame = single(frames, "time");
        if (static_cast<std::size_t>(frame) != run.frameEndTimes.size()) {
            throw LineError{"time of frame " + std::to_string(frame) + " where frame " +
                            std::to_string(run.frameEndTimes.size()) + "'s is due"};
        }
        run.frameEndTimes.push_back(parseNumber(words[2], "time"));
    } else if (directive == "actions") {
        addFromFrame(run.actions, single(frames, "actions"), actionsOf(words), "actions");
    } else if (directive == "mouse") {
        addFromFrame(run.mouse, single(frames, "mouse"), mouseOf(words), "mouse");
    } else if (directive == "pointer") {
        expectCount(words, 4, "N pointer X Y");
        addFromFrame(run.pointer, single(frames, "pointer"),
                     glm::dvec2(parseNumber(words[2], "pointer x"), parseNumber(words[3], "pointer y")), "pointer");
    } else if (directive == "gamepad") {
        addFromFrame(run.gamepad, single(frames, "gamepad"), gamepadOf(words), "gamepad");
    } else if (directive == "check") {
        const long frame = single(frames, "check");
        if (!run.checks.empty() && run.checks.back().frame >= frame) {
            throw LineError{"check of frame " + std::to_string(frame) + " comes after frame " +
                            std::to_string(run.checks.back().frame) + "'s"};
        }
        run.checks.push_back(checksumsOf(words, frame));
    } else if (directive == "ghost") {
        expectCount(words, 7, "N ghost T X Y Z HEADING");
        const GhostSample sample{finiteFloat(words[2], "ghost time"),
                                 glm::vec3(finiteFloat(words[3], "ghost x"), finiteFloat(words[4], "ghost y"),
                                           finiteFloat(words[5], "ghost z")),
                                 finiteFloat(words[6], "ghost heading")};
        addFromFrame(run.ghost, single(frames, "ghost"), sample, "ghost");
    } else if (directive == "won") {
        expectCount(words, 3, "N won TENTHS");
        addFromFrame(run.wins, single(frames, "won"),
                     static_cast<int>(wholeNumber(words[2], "win time", std::numeric_limits<int>::max())), "won");
    } else if (directive == "menu") {
        expectCount(words, 3, "N menu NAME");
        const std::optional<MenuCommand> command = menuCommandNamed(words[2]);
        if (!command) {
            throw LineError{"unknown menu command '" + std::string(words[2]) + "'"};
        }
        addFromFrame(run.menus, single(frames, "menu"), *command, "menu");
    } else {
        return false;
    }
    return true;
}

void checkRunComplete(const RunRecord& run)
{
    if (run.header.level.empty()) {
        throw LineError{"the run names no level (a 'level NAME' line)"};
    }
    if (run.header.width == 0) {
        throw LineError{"the run names no window (a 'window W H' line)"};
    }
    if (run.frameEndTimes.empty()) {
        throw LineError{"the run holds no frame (no 'N time T' line)"};
    }
}

} // namespace tavernrush
