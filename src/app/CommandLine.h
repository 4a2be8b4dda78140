#pragma once
// What the player may say when starting the game: --help, --version,
// --data DIR, --settings FILE, --level NAME and --watch RUNFILE.

#include <optional>
#include <span>
#include <string>
#include <variant>

namespace tavernrush {

struct GameOptions {
    std::optional<std::string> dataFolder;
    std::optional<std::string> settingsFile;
    std::optional<std::string> level;
    // A kept run to play again instead of a game.
    std::optional<std::string> watchRun;
};

// The command line asked for text instead of a game (help, version, or a
// mistake): print `text` on standard output or standard error and end with
// `exitStatus`.
struct CommandLineAnswer {
    int exitStatus = 0;
    bool toStandardError = false;
    std::string text;
};

std::string usageText(const std::string& program);
std::string versionText();
// The version alone ("0.1.0"), as run files record it.
std::string gameVersion();

// `arguments` without the program name. Options take their value as the
// next argument or after '=' (--data=DIR). A mistake names itself on the
// first line, then the usage follows, with status 2 as getopt-based tools do.
std::variant<GameOptions, CommandLineAnswer> parseCommandLine(const std::string& program,
                                                              std::span<const std::string> arguments);

} // namespace tavernrush
