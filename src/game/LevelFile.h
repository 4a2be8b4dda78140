#pragma once
// Reading a level's file: INI text with one section per object. Every key
// is required, so a level that forgets one is refused with a line naming it
// rather than played with a zero somewhere.

#include "game/LevelDescription.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tavernrush {

// What went wrong, as one line for the console: "FILE: line 3: ..." or
// "FILE: [coins] count is missing".
struct LevelFileError {
    std::string message;
};

using LevelParse = std::variant<LevelDescription, LevelFileError>;

// `text` is the file's content, `name` the level's name; `source` names the
// file in messages.
LevelParse parseLevel(std::string_view text, const std::string& name, const std::string& source);

// A level's name is a file name in the level folder and nothing more:
// letters a-z, digits, '-' and '_', at most 64 of them.
bool isLevelName(const std::string& name);

// Reads "<folder>/NAME.ini". Only a regular file is read, so a pipe or a
// folder in its place is refused instead of blocking the start.
LevelParse loadLevel(const std::filesystem::path& folder, const std::string& name);

// The names of the levels in `folder` (each NAME.ini), sorted.
std::vector<std::string> levelNames(const std::filesystem::path& folder);

// The level the game plays when none is chosen.
inline constexpr const char* defaultLevelName = "meadow";
// Where the levels lie below the data folder.
inline constexpr const char* levelFolder = "assets/levels";

} // namespace tavernrush
