#pragma once
// The one owner of an open file descriptor: closed when the owner goes, so
// no way out of a function leaks it. Closing also drops any flock held
// through it.

#include <unistd.h>

namespace tavernrush {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor()
    {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    // Negative when the open failed.
    int get() const { return fd_; }

private:
    int fd_;
};

} // namespace tavernrush
