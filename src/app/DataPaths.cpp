#include "app/DataPaths.h"

#include "render/AssetPath.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <ostream>
#include <sstream>
#include <system_error>

namespace tavernrush {

namespace fs = std::filesystem;

bool looksLikeDataFolder(const fs::path& folder)
{
    std::error_code error;
    return fs::is_directory(folder / "shader", error);
}

DataFolderSearch findDataFolder(const std::optional<std::string>& requested, const fs::path& executable)
{
    if (requested) {
        if (!looksLikeDataFolder(*requested)) {
            return {{}, "No game data in '" + *requested + "': it has no shader folder"};
        }
        return {*requested, {}};
    }
    std::error_code error;
    if (fs::is_directory(defaultAssetFolder, error)) {
        return {std::string(defaultAssetFolder), {}};
    }
    if (!executable.empty()) {
        const fs::path beside = executable.parent_path();
        for (const fs::path& candidate : {beside / ".." / "share" / "games" / "tavernrush",
                                          beside / ".." / "share" / "tavernrush", beside / "assets"}) {
            if (looksLikeDataFolder(candidate)) {
                return {candidate.lexically_normal().string(), {}};
            }
        }
    }
    return {{}, "Cannot find the game data: no 'assets' folder here and none installed beside '" +
                    executable.string() + "'; start with --data DIR"};
}

fs::path runningExecutable()
{
    std::error_code error;
    fs::path self = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path{} : self;
}

std::optional<fs::path> userSettingsPath(const char* xdgConfigHome, const char* home)
{
    fs::path base;
    if (xdgConfigHome != nullptr && fs::path(xdgConfigHome).is_absolute()) {
        base = xdgConfigHome;
    } else if (home != nullptr && fs::path(home).is_absolute()) {
        base = fs::path(home) / ".config";
    } else {
        return std::nullopt;
    }
    return base / "tavernrush" / "settings.ini";
}

namespace {

std::string systemMessage(int number) { return std::strerror(number); }

// Writes `contents` to a new file `path` and flushes it to the disk; false
// with `why` set on any failure (the partial file is removed).
bool writeNewFile(const fs::path& path, const std::string& contents, std::string& why)
{
    const int file = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (file < 0) {
        why = systemMessage(errno);
        return false;
    }
    std::size_t written = 0;
    while (written < contents.size()) {
        const ssize_t step = ::write(file, contents.data() + written, contents.size() - written);
        if (step < 0 && errno == EINTR) {
            continue;
        }
        if (step <= 0) {
            why = systemMessage(errno);
            break;
        }
        written += static_cast<std::size_t>(step);
    }
    const bool complete = written == contents.size() && ::fsync(file) == 0;
    if (written == contents.size() && !complete) {
        why = systemMessage(errno);
    }
    ::close(file);
    if (!complete) {
        ::unlink(path.c_str());
    }
    return complete;
}

// Puts a copy of `source` at `target` unless something is there already.
bool copyOnce(const fs::path& source, const fs::path& target, std::string& why)
{
    std::ifstream in(source, std::ios::binary);
    std::ostringstream contents;
    if (!(in && contents << in.rdbuf())) {
        why = "cannot read '" + source.string() + "'";
        return false;
    }
    std::error_code error;
    fs::create_directories(target.parent_path(), error);
    if (error) {
        why = error.message();
        return false;
    }
    const fs::path partial = target.parent_path() / (".settings.ini." + std::to_string(::getpid()));
    if (!writeNewFile(partial, contents.str(), why)) {
        return false;
    }
    // link() refuses to replace: a file the player (or a second start) put
    // there in the meantime wins. Where the file system has no hard links,
    // a rename cannot half-write either.
    bool placed = ::link(partial.c_str(), target.c_str()) == 0 || errno == EEXIST;
    if (!placed && !fs::exists(fs::symlink_status(target, error))) {
        placed = ::rename(partial.c_str(), target.c_str()) == 0;
    }
    if (!placed) {
        why = systemMessage(errno);
    }
    ::unlink(partial.c_str());
    return placed;
}

} // namespace

std::string chooseSettingsFile(const std::optional<std::string>& requested, const std::string& dataFolder,
                               const std::optional<fs::path>& userSettings, std::ostream& log)
{
    const std::string installed = (fs::path(dataFolder) / "settings.ini").string();
    if (requested) {
        return *requested;
    }
    if (dataFolder == defaultAssetFolder || !userSettings) {
        return installed;
    }
    std::error_code error;
    if (fs::exists(fs::symlink_status(*userSettings, error))) {
        return userSettings->string();
    }
    if (!fs::exists(installed, error)) {
        return installed;
    }
    std::string why;
    if (copyOnce(installed, *userSettings, why)) {
        return userSettings->string();
    }
    log << "Cannot keep your settings in '" << userSettings->string() << "' (" << why << "); reading '" << installed
        << "'.\n";
    return installed;
}

} // namespace tavernrush
