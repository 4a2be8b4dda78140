#include "LaunchedProcess.h"

#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstring>
#include <thread>
#include <utility>

namespace tavernrush::e2e {
namespace {

std::vector<char*> pointersTo(std::vector<std::string>& words)
{
    std::vector<char*> pointers;
    for (std::string& word : words) {
        pointers.push_back(word.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

int statusFrom(int waitStatus)
{
    if (WIFEXITED(waitStatus)) {
        return WEXITSTATUS(waitStatus);
    }
    return 128 + (WIFSIGNALED(waitStatus) ? WTERMSIG(waitStatus) : 0);
}

} // namespace

LaunchedProcess::LaunchedProcess(std::vector<std::string> arguments, const ProcessEnvironment& environment,
                                 std::filesystem::path outputFile)
    : outputFile_(std::move(outputFile))
{
    std::vector<std::string> entries = environment.entries();
    const std::vector<char*> argv = pointersTo(arguments);
    const std::vector<char*> envp = pointersTo(entries);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // No terminal on input: the game then never waits for a key on failure.
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outputFile_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    pid_t child = -1;
    const int error = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        ADD_FAILURE() << "cannot start " << arguments[0] << ": " << std::strerror(error);
        return;
    }
    id_ = child;
}

LaunchedProcess::~LaunchedProcess()
{
    if (started() && running()) {
        kill(id_, SIGKILL);
        reap(0);
    }
}

bool LaunchedProcess::reap(int options)
{
    if (exitStatus_) {
        return true;
    }
    int waitStatus = 0;
    if (waitpid(id_, &waitStatus, options) == id_) {
        exitStatus_ = statusFrom(waitStatus);
        return true;
    }
    return false;
}

bool LaunchedProcess::running() { return started() && !reap(WNOHANG); }

std::optional<int> LaunchedProcess::waitForExit(std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (running() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return exitStatus_;
}

int LaunchedProcess::stop()
{
    if (!started()) {
        return -1;
    }
    if (running()) {
        kill(id_, SIGTERM);
        if (!waitForExit(std::chrono::seconds(5))) {
            kill(id_, SIGKILL);
            reap(0);
        }
    }
    return exitStatus_.value_or(-1);
}

std::string LaunchedProcess::output() const { return readWholeFile(outputFile_); }

} // namespace tavernrush::e2e
