#include "app/CommandLine.h"

#include "app/CommandLineReader.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <vector>

namespace tavernrush {
namespace {

CommandLineAnswer mistake(const std::string& program, const std::string& what)
{
    return {2, true, program + ": " + what + "\n" + usageText(program)};
}

struct ValueOption {
    const char* name;
    std::optional<std::string> GameOptions::*target;
    std::vector<std::string> given;
};

} // namespace

std::string usageText(const std::string& program)
{
    // The first line stays as it always was: scripts and tests look for it.
    return "Usage: " + program + " [--data DIR] [--settings FILE]\n" +
           std::string(program.size() + 8, ' ') + "[--level NAME]\n"
           "       " + program + " [--data DIR] [--settings FILE] --watch RUNFILE\n"
           "       " + program + " --help | --version\n"
           "Collect ten coins in seventy seconds, and mind the beer.\n"
           "\n"
           "  --data DIR       read the game data (shader/, meshes/, textures/, frames/,\n"
           "                   sounds/) from DIR instead of ./assets or the installed folder\n"
           "  --settings FILE  read the settings from FILE instead of\n"
           "                   $XDG_CONFIG_HOME/tavernrush/settings.ini\n"
           "  --level NAME     play the level NAME (default: meadow)\n"
           "  --watch RUNFILE  play a kept run again at its own speed (P pauses, Escape\n"
           "                   quits); runs are kept in $XDG_STATE_HOME/tavernrush/runs\n"
           "  --help           show this text and exit\n"
           "  --version        show the version and exit\n";
}

std::string versionText() { return std::string("Tavernrush ") + TAVERNRUSH_VERSION + "\n"; }

std::string gameVersion() { return TAVERNRUSH_VERSION; }

std::variant<GameOptions, CommandLineAnswer> parseCommandLine(const std::string& program,
                                                              std::span<const std::string> arguments)
{
    std::array<ValueOption, 4> valueOptions{{{"--data", &GameOptions::dataFolder, {}},
                                             {"--settings", &GameOptions::settingsFile, {}},
                                             {"--level", &GameOptions::level, {}},
                                             {"--watch", &GameOptions::watchRun, {}}}};
    CommandLineReader reader;
    reader.addVersionFlag("--version");
    for (ValueOption& option : valueOptions) {
        reader.addValues(option.name, option.given);
    }
    const CommandLineReader::Outcome outcome = reader.read(arguments);
    if (outcome.helpAsked) {
        return CommandLineAnswer{0, false, usageText(program)};
    }
    if (!outcome.mistake.empty()) {
        return mistake(program, outcome.mistake);
    }
    if (outcome.versionAsked) {
        // The reader stops at --version; a stray word beside it is still a
        // mistake, which a script that passes one wants to hear of.
        std::vector<std::string> rest;
        std::ranges::copy_if(arguments, std::back_inserter(rest),
                             [](const std::string& argument) { return argument != "--version"; });
        const auto others = parseCommandLine(program, rest);
        if (const auto* answer = std::get_if<CommandLineAnswer>(&others)) {
            return *answer;
        }
        return CommandLineAnswer{0, false, versionText()};
    }
    GameOptions options;
    for (const ValueOption& option : valueOptions) {
        if (std::ranges::any_of(option.given, [](const std::string& value) { return value.empty(); })) {
            return mistake(program, std::string("option '") + option.name + "' needs a value");
        }
        // A repeated option takes its last value: a later word on the line
        // overrides an earlier one, as in a launcher's command.
        if (!option.given.empty()) {
            options.*option.target = option.given.back();
        }
    }
    if (options.watchRun && options.level) {
        return mistake(program, "option '--watch' plays the run's own level; leave out '--level'");
    }
    return options;
}

} // namespace tavernrush
