#include "app/RegularFile.h"

#include "app/FileDescriptor.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace tavernrush {
namespace {

std::string sizeText(std::uintmax_t bytes)
{
    return bytes % 1024 == 0 ? std::to_string(bytes / 1024) + " KiB" : std::to_string(bytes) + " bytes";
}

} // namespace

RegularFileRead readRegularFile(const std::filesystem::path& path, std::uintmax_t largestBytes)
{
    RegularFileRead read;
    // O_NONBLOCK: opening a pipe with no writer must not wait for one.
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.get() < 0) {
        // A file in place of a folder on the way means nothing is there either.
        read.missing = errno == ENOENT || errno == ENOTDIR;
        read.problem = std::strerror(errno);
        return read;
    }
    struct stat status {};
    if (::fstat(file.get(), &status) != 0) {
        read.problem = std::strerror(errno);
        return read;
    }
    if (!S_ISREG(status.st_mode)) {
        read.problem = S_ISDIR(status.st_mode) ? "a folder, not a file" : "not a regular file";
        return read;
    }
    if (static_cast<std::uintmax_t>(status.st_size) > largestBytes) {
        read.problem = "larger than " + sizeText(largestBytes);
        read.tooLarge = true;
        return read;
    }
    std::string text(static_cast<std::size_t>(status.st_size), '\0');
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t got = ::read(file.get(), text.data() + done, text.size() - done);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            read.problem = std::strerror(errno);
            return read;
        }
        if (got == 0) {
            break; // shrank while being read: what is there is what it holds
        }
        done += static_cast<std::size_t>(got);
    }
    text.resize(done);
    read.text = std::move(text);
    return read;
}

} // namespace tavernrush
