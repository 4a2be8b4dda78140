#pragma once
// One run of a game binary for the bad-input suite: started in a case folder
// with no terminal on standard input, its two output streams kept in files,
// and ended by force if it outlives its deadline, so no case can hang.

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tavernrush::e2e {

struct ProcessEnd {
    bool timedOut = false;
    // Set when the process called exit; `signal` when a signal ended it.
    std::optional<int> exitStatus;
    std::optional<int> signal;
};

std::string describe(const ProcessEnd& end);

class GameProcess {
public:
    // Starts `arguments[0]` in `folder` with this process's environment less
    // `removedVariables` and with `setVariables` ("NAME=value") set;
    // standard output and error go to `stdoutFile` and `stderrFile`. A start
    // that fails is a test failure.
    GameProcess(const std::vector<std::string>& arguments, const std::filesystem::path& folder,
                const std::filesystem::path& stdoutFile, const std::filesystem::path& stderrFile,
                const std::vector<std::string>& removedVariables = {},
                const std::vector<std::string>& setVariables = {});
    // Kills a process still running, so no case leaves one behind.
    ~GameProcess();
    GameProcess(const GameProcess&) = delete;
    GameProcess& operator=(const GameProcess&) = delete;

    bool started() const { return id_ > 0; }
    pid_t id() const { return id_; }
    bool running();
    // How it ended, once it ended within `timeout`; killed (and marked timed
    // out) otherwise.
    ProcessEnd waitForEnd(std::chrono::milliseconds timeout);

private:
    bool reap(int options);

    pid_t id_ = -1;
    std::optional<ProcessEnd> end_;
};

// Reads a whole text file; a missing file reads as empty.
std::string readText(const std::filesystem::path& path);

// The lines of `text`, without their line ends.
std::vector<std::string> splitLines(const std::string& text);

} // namespace tavernrush::e2e
