#include "app/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace tavernrush {
namespace {

std::string systemError(int error) { return std::strerror(error); }

// Writes all of `bytes`, retrying short writes; the error number or 0.
int writeAll(int descriptor, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

} // namespace

std::optional<std::string> writeFileAtomically(const std::filesystem::path& path, std::string_view bytes)
{
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    // Hidden and in the same folder, so the rename never crosses a disk.
    std::string temporary = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
    const int descriptor = ::mkstemp(temporary.data());
    if (descriptor < 0) {
        return "cannot write in " + folder.string() + ": " + systemError(errno);
    }
    int error = writeAll(descriptor, bytes);
    if (error == 0 && ::fsync(descriptor) != 0) {
        error = errno;
    }
    if (::close(descriptor) != 0 && error == 0) {
        error = errno;
    }
    // mkstemp makes the file private; the finished file gets the usual rights.
    if (error == 0 && ::chmod(temporary.c_str(), 0644) != 0) {
        error = errno;
    }
    if (error == 0 && std::rename(temporary.c_str(), path.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(temporary.c_str());
        return "cannot write " + path.string() + ": " + systemError(error);
    }
    return std::nullopt;
}

std::optional<std::string> makeFolderFor(const std::filesystem::path& path)
{
    if (!path.has_parent_path()) {
        return std::nullopt;
    }
    std::error_code created;
    std::filesystem::create_directories(path.parent_path(), created);
    if (created) {
        return "cannot make the folder " + path.parent_path().string() + ": " + created.message();
    }
    return std::nullopt;
}

std::filesystem::path linkTarget(std::filesystem::path path)
{
    for (int hops = 0; hops < 16; ++hops) {
        std::error_code error;
        if (!std::filesystem::is_symlink(path, error)) {
            break;
        }
        const std::filesystem::path to = std::filesystem::read_symlink(path, error);
        if (error) {
            break;
        }
        path = to.is_absolute() ? to : path.parent_path() / to;
    }
    return path;
}

} // namespace tavernrush
