#pragma once
// One started program, the way a desktop starts it: no input, its standard
// output and error together in one file, ended when the test is done with it.

#include "ProcessEnvironment.h"

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tavernrush::e2e {

class LaunchedProcess {
public:
    // Starts `arguments[0]`, a path, with `environment`. A start that fails is
    // reported as a test failure and leaves started() false.
    LaunchedProcess(std::vector<std::string> arguments, const ProcessEnvironment& environment,
                    std::filesystem::path outputFile);
    // A process still running is killed, so no test leaves one behind.
    ~LaunchedProcess();
    LaunchedProcess(const LaunchedProcess&) = delete;
    LaunchedProcess& operator=(const LaunchedProcess&) = delete;

    bool started() const { return id_ > 0; }
    pid_t id() const { return id_; }

    bool running();
    // The exit status once it ended within `timeout` (128 + the signal number
    // when a signal ended it), nothing while it still runs.
    std::optional<int> waitForExit(std::chrono::milliseconds timeout);
    // SIGTERM, and SIGKILL if that has not ended it after a few seconds;
    // returns the exit status.
    int stop();

    std::string output() const;

private:
    bool reap(int options);

    pid_t id_ = -1;
    std::optional<int> exitStatus_;
    std::filesystem::path outputFile_;
};

} // namespace tavernrush::e2e
