#include "app/CommandLine.h"

namespace tavernrush {
namespace {

CommandLineAnswer mistake(const std::string& program, const std::string& what)
{
    return {2, true, program + ": " + what + "\n" + usageText(program)};
}

} // namespace

std::string usageText(const std::string& program)
{
    return "Usage: " + program + " [--data DIR] [--settings FILE]\n"
           "       " + program + " --help | --version\n"
           "Collect ten coins in seventy seconds, and mind the beer.\n"
           "\n"
           "  --data DIR       read the game data (shader/, meshes/, textures/, frames/,\n"
           "                   sounds/) from DIR instead of ./assets or the installed folder\n"
           "  --settings FILE  read the settings from FILE instead of\n"
           "                   $XDG_CONFIG_HOME/tavernrush/settings.ini\n"
           "  --help           show this text and exit\n"
           "  --version        show the version and exit\n";
}

std::string versionText() { return std::string("Tavernrush ") + TAVERNRUSH_VERSION + "\n"; }

std::variant<GameOptions, CommandLineAnswer> parseCommandLine(const std::string& program,
                                                              std::span<const std::string> arguments)
{
    GameOptions options;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string& argument = arguments[index];
        if (argument == "--help") {
            return CommandLineAnswer{0, false, usageText(program)};
        }
        if (argument == "--version") {
            return CommandLineAnswer{0, false, versionText()};
        }
        std::optional<std::string>* target = nullptr;
        std::string name = argument;
        std::optional<std::string> value;
        if (const std::size_t equals = argument.find('='); argument.starts_with("--") && equals != std::string::npos) {
            name = argument.substr(0, equals);
            value = argument.substr(equals + 1);
        }
        if (name == "--data") {
            target = &options.dataFolder;
        } else if (name == "--settings") {
            target = &options.settingsFile;
        } else if (argument.starts_with("-")) {
            return mistake(program, "unknown option '" + argument + "'");
        } else {
            return mistake(program, "unexpected argument '" + argument + "'");
        }
        if (!value) {
            if (index + 1 >= arguments.size()) {
                return mistake(program, "option '" + name + "' needs a value");
            }
            value = arguments[++index];
        }
        if (value->empty()) {
            return mistake(program, "option '" + name + "' needs a value");
        }
        *target = std::move(*value);
    }
    return options;
}

} // namespace tavernrush
