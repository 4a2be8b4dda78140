#pragma once
// Appends a run's lines to its file: they gather in a fixed buffer and go
// out with write(2) when flushed, so a crash loses at most what came since
// the last flush. A fatal signal (segmentation fault, abort, bus error,
// illegal instruction, arithmetic fault) writes what is pending and names
// the file on standard error before the process ends: the handler only
// calls write(2) on text that was ready before the signal came.
//
// A write that fails costs one line on the log and ends the recording; the
// game plays on.

#include "app/FileDescriptor.h"

#include <filesystem>
#include <iosfwd>
#include <memory>
#include <string_view>

namespace tavernrush {

class RunFileWriter {
public:
    // Creates `path` (which must not exist yet); on failure says why on
    // `log` in one line and records nothing.
    RunFileWriter(const std::filesystem::path& path, std::ostream& log);
    ~RunFileWriter();
    RunFileWriter(const RunFileWriter&) = delete;
    RunFileWriter& operator=(const RunFileWriter&) = delete;

    bool isRecording() const;
    const std::filesystem::path& path() const { return path_; }

    // Adds text; a full buffer is flushed first.
    void append(std::string_view text);
    // Writes what is pending to the file.
    void flush();

    // The buffer a fatal signal writes out; at most one writer is
    // registered at a time, the latest made.
    struct Pending;

private:
    void fail(const char* what, int error);

    std::filesystem::path path_;
    std::ostream& log_;
    std::unique_ptr<Pending> pending_;
};

} // namespace tavernrush
