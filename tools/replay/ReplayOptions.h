#pragma once
// The replay tool's command line.

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace tavernrush {

struct ShotRequest {
    long frame = 0;
    std::string path;
};

struct ReplayOptions {
    // Empty: no script, the game runs without input.
    std::string scriptPath;
    long frames = 600;
    double dt = 1.0 / 60.0;
    // Empty: no trace.
    std::string tracePath;
    // Empty: no memory log.
    std::string memoryLogPath;
    // Empty: no sound recording.
    std::string audioPath;
    std::vector<ShotRequest> shots;
    // Empty: the run starts with no best time and keeps none; otherwise the
    // records file it reads and writes like the game's own.
    std::string recordsPath;
    // Empty: F12 saves under the player's pictures folder, as in the game.
    std::string picturesFolder;
    // Empty: no ghost; otherwise the run file whose last win the ghost walks.
    std::string bestRunPath;
    // Empty: the replay is not kept as a run file.
    std::string keepRunPath;
    // None: the game's own level.
    std::optional<std::string> level;
    // Empty: assets/settings.ini is read and options changed in the menus
    // are saved nowhere; otherwise the file read and saved, like the game's.
    std::string settingsPath;
    // Opens on the title with the menus, as the game does; otherwise play
    // starts at once and P shows the PAUSED board.
    bool title = false;
};

struct HelpRequested {};

struct OptionsError {
    std::string message;
};

using OptionsParse = std::variant<ReplayOptions, HelpRequested, OptionsError>;

// The arguments after the program name; a value comes as the next argument
// or after '=' (--frames=90).
OptionsParse parseReplayOptions(const std::vector<std::string>& args);

std::string replayUsage(const std::string& program);

} // namespace tavernrush
