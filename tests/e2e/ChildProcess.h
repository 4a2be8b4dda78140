#pragma once
// One started program for the end-to-end tests, the way a desktop or a script
// starts it: no terminal on its input (a start-up failure then never waits
// for a key), its output in files, and killed if the test is done with it
// while it still runs, so no test leaves one behind or hangs.

#include "ProcessEnvironment.h"

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

struct ProcessStart {
    // arguments[0] is a path.
    std::vector<std::string> arguments;
    // Empty: the test's own working folder.
    std::filesystem::path folder;
    ProcessEnvironment environment = ProcessEnvironment::inherited();
    std::filesystem::path stdoutFile;
    // Empty: standard error goes to the standard output's file.
    std::filesystem::path stderrFile;
};

class ChildProcess {
public:
    // A start that fails is a test failure and leaves started() false.
    explicit ChildProcess(const ProcessStart& start);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool started() const { return id_ > 0; }
    pid_t id() const { return id_; }
    bool running();

    // Waits while it runs, at most `timeout`; how it ended, if it did.
    std::optional<ProcessEnd> waitFor(std::chrono::milliseconds timeout);
    // How it ended within `timeout`; killed and marked timed out otherwise.
    ProcessEnd waitForEnd(std::chrono::milliseconds timeout);
    // SIGTERM, as a desktop session ending sends, and SIGKILL if that has not
    // ended it after a few seconds.
    ProcessEnd stop();

private:
    bool reap(int options);

    pid_t id_ = -1;
    std::optional<ProcessEnd> end_;
};

} // namespace tavernrush::e2e
