#pragma once
// Saves the options the player changes in the game to the settings file the
// game read, one value at a time, changing only that value's line (see
// SettingsLines.h) and writing the whole file atomically. A file that cannot
// be written costs one console line for the whole run; the change still
// holds in the running game.

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace tavernrush {

class SettingsSaver {
public:
    // No path: changes hold for the run and nothing is written (the replay
    // tool unless it is given a settings file).
    SettingsSaver(std::optional<std::filesystem::path> path, std::ostream& log);

    // Sets `key` in `[section]` and writes the file; false when it could
    // not be written.
    bool save(std::string_view section, std::string_view key, std::string_view value);
    // The last save failed: the menu says so.
    bool unsaved() const { return unsaved_; }

private:
    std::optional<std::string> whyNotWritable() const;

    std::optional<std::filesystem::path> path_;
    std::ostream& log_;
    // The file as last read or written, the base of the next change when
    // the file can no longer be read.
    std::string text_;
    bool unsaved_ = false;
    bool reported_ = false;
};

} // namespace tavernrush
