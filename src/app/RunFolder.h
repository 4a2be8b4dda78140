#pragma once
// Where the game keeps its runs: $XDG_STATE_HOME/tavernrush/runs/
// (~/.local/state/tavernrush/runs/ without it). Each game writes
// run-DATE-TIME-PID.run; the newest runs are kept and older ones removed,
// and each level's best win stays as best-LEVEL.run whatever its age.

#include "app/ReplayScript.h"
#include "game/GhostRun.h"

#include <ctime>
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <variant>

namespace tavernrush {

inline constexpr int keptRuns = 20;
// A run file is refused above this size: an hour of play is some 15 MiB.
inline constexpr std::uintmax_t largestRunBytes = 256ULL * 1024 * 1024;

// A relative $XDG_STATE_HOME is ignored, as the base directory rules say.
std::optional<std::filesystem::path> runFolderFor(const char* xdgStateHome, const char* home);
std::optional<std::filesystem::path> playerRunFolder();

// run-YYYYMMDD-HHMMSS-PID.run, names that sort by age.
std::filesystem::path newRunPath(const std::filesystem::path& folder, const std::tm& localTime, long processId);
std::filesystem::path bestRunPath(const std::filesystem::path& folder, const std::string& level);

// Removes the oldest run-*.run files until `keep` are left; best runs and
// anything else in the folder stay.
void pruneRuns(const std::filesystem::path& folder, int keep);

// The run file at `path`, or why it cannot be played: "not a regular
// file", "line 4: unknown action 'fly'", "not a run file".
std::variant<ReplayScript, std::string> readRunFile(const std::filesystem::path& path);

} // namespace tavernrush
