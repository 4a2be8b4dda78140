#pragma once
// Reading a file the player or the system pointed the game at (settings,
// records, user-dirs.dirs) without ever waiting on it: it is opened
// non-blocking and read only if it is a regular file, so a named pipe, a
// device or a folder in its place is refused at once instead of hanging the
// game before or after its window opens.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace tavernrush {

struct RegularFileRead {
    // The content, up to the size asked for; absent when it was not read.
    std::optional<std::string> text;
    // Nothing is there (not an error for the files the game may do without).
    bool missing = false;
    // A regular file longer than the size asked for.
    bool tooLarge = false;
    // Why it was not read, for one console line: "not a regular file",
    // "larger than 64 KiB", the system's message.
    std::string problem;
};

// Reads at most `largestBytes`; a longer file is refused as larger.
RegularFileRead readRegularFile(const std::filesystem::path& path, std::uintmax_t largestBytes);

} // namespace tavernrush
