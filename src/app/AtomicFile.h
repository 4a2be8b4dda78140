#pragma once
// Files the player keeps (records, screenshots) are written whole or not at
// all: into a temporary file beside the target, flushed to the disk, then
// renamed over it. A crash or a full disk leaves the old file or none, never
// half of one.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tavernrush {

// Writes `bytes` to `path` in a folder that exists. Returns what went
// wrong, or nothing on success; the temporary file is gone either way.
std::optional<std::string> writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// The file `path` names, its symbolic links followed (16 at most): writing
// there atomically keeps the player's link a link.
std::filesystem::path linkTarget(std::filesystem::path path);

// Makes the folder `path` goes in, with any folders above it; what went
// wrong, or nothing.
std::optional<std::string> makeFolderFor(const std::filesystem::path& path);

} // namespace tavernrush
