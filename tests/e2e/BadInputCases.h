#pragma once
// The bad-input cases: what each breaks in its copy of the asset tree and
// what the game must print about it.

#include "BadInputTree.h"
#include "GameWindows.h"

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace tavernrush::e2e {

struct BadInputCase {
    std::string name;
    std::function<void(CaseTree&)> breakTree;
    // Lines the game must print, each exactly once, matched at the start.
    std::vector<std::string> expectedLines;
    // How the printed lines refer to the broken file: exactly one line may
    // contain this text. Empty where nothing is broken beyond repair.
    std::string namedFile;
    // Further lines that may appear any number of times, matched anywhere in
    // the line. Everything else printed fails the case.
    std::vector<std::string> toleratedLines;
    WindowSize window{160, 120};
    std::optional<std::string> title;
    // The settings reader keeps at most 199 characters of a line, so a long
    // title arrives cut short; what arrives must then be its start.
    bool titleMayBeCut = false;
    int replayFrames = 300;

    // The most the game and the replay may write into any one file, in
    // 512-byte blocks, as on a disk that fills up part-way through a file.
    std::optional<int> fileSizeBlocks;

    // Keys sent to the game's window during play by X keysym name ("F12"),
    // each held until the expected lines appear.
    std::vector<std::string> keysDuringPlay;
    // The replay's script text (none when empty) and further arguments, in
    // which "{folder}" stands for the case folder.
    std::string replayScript;
    std::vector<std::string> replayArguments;
    // What the replay must print where it differs from the game (it can win
    // where the game, played for a second, cannot).
    std::optional<std::vector<std::string>> replayExpectedLines;
    std::optional<std::string> replayNamedFile;
    // Checks of the case folder once both runs are over.
    std::function<void(const std::filesystem::path& folder)> afterwards;
};

// Test names and listings show the case by its name.
void PrintTo(const BadInputCase& c, std::ostream* out);

// A run of the game in a small window: under the software renderer a
// 160 x 120 window draws a frame in some 15 ms, an 800 x 800 one in ten times
// that.
inline constexpr int smallWidth = 160;
inline constexpr int smallHeight = 120;
std::string smallWindowSettings(const std::string& moreLines = "");

std::vector<BadInputCase> settingsCases();
std::vector<BadInputCase> assetCases();
std::vector<BadInputCase> unusualButValidCases();
// The player's own files: the records file and the pictures folder. Every
// case's game and replay keep their data and configuration in the case
// folder (XDG_DATA_HOME, XDG_CONFIG_HOME and XDG_STATE_HOME, where the
// runs go), never the tester's own.
std::vector<BadInputCase> playerFileCases();
// Options changed in the replay's menus and saved to its settings file.
std::vector<BadInputCase> settingsSaveCases();

// A run file given to tavernrush --watch and tavernrush-replay --script:
// each is refused with one line before anything starts.
struct RunFileCase {
    std::string name;
    // Makes the file (or whatever stands in its place) at `path`.
    std::function<void(const std::filesystem::path& path)> make;
    // The refusal names this, after the file's name.
    std::string says;
    // A plain replay script is no run to watch, but the replay tool plays it.
    bool watchOnly = false;
};
std::vector<RunFileCase> runFileCases();

// The case folder's data, configuration and state homes, as "NAME=value".
std::vector<std::string> caseHomes(const std::filesystem::path& folder);

} // namespace tavernrush::e2e
