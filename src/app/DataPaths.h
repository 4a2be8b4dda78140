#pragma once
// Where the game's data and the player's settings are: the working folder's
// ./assets for a build tree or a checkout, else the folder installed beside
// the executable; the settings in the player's configuration folder.

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>

namespace tavernrush {

// The found folder, or the console line (without "ERROR: ") why none was.
struct DataFolderSearch {
    std::string folder;
    std::string problem;
};

// A data folder is one that holds shader/: every start needs the shaders, so
// a folder without them is the wrong one.
bool looksLikeDataFolder(const std::filesystem::path& folder);

// --data when given; else "assets" when the working folder has it (today's
// layout, every message unchanged); else beside `executable`:
// ../share/games/tavernrush (Debian's games layout), ../share/tavernrush,
// then ./assets next to it (the build tree).
DataFolderSearch findDataFolder(const std::optional<std::string>& requested, const std::filesystem::path& executable);

// The running program's own file, or empty where the system does not say.
std::filesystem::path runningExecutable();

// $XDG_CONFIG_HOME/tavernrush/settings.ini, or ~/.config/... when that
// variable is unset or relative (the XDG rules ignore relative values);
// nothing when neither gives an absolute folder.
std::optional<std::filesystem::path> userSettingsPath(const char* xdgConfigHome, const char* home);

// The settings file to read: --settings when given; the data folder's when
// the data is the working folder's ./assets (that layout is self-contained,
// as it always was); else the player's file, which on the first start is a
// copy of the data folder's settings.ini. The copy is written under a
// temporary name and linked into place, so it is never half written and an
// existing file is never replaced. When it cannot be made, one line on
// `log` says so and the data folder's file is read.
std::string chooseSettingsFile(const std::optional<std::string>& requested, const std::string& dataFolder,
                               const std::optional<std::filesystem::path>& userSettings, std::ostream& log);

} // namespace tavernrush
