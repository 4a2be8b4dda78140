#include "ChildProcess.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstring>
#include <thread>

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

} // namespace

std::string describe(const ProcessEnd& end)
{
    if (end.timedOut) {
        return "did not end in time and was killed";
    }
    if (end.signal) {
        return std::string("ended by signal ") + std::to_string(*end.signal) + " (" + strsignal(*end.signal) + ")";
    }
    return end.exitStatus ? "exit status " + std::to_string(*end.exitStatus) : "never started";
}

ChildProcess::ChildProcess(const ProcessStart& start)
{
    std::vector<std::string> words = start.arguments;
    std::vector<std::string> entries = start.environment.entries();
    const std::vector<char*> argv = pointersTo(words);
    const std::vector<char*> envp = pointersTo(entries);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!start.folder.empty()) {
        posix_spawn_file_actions_addchdir_np(&actions, start.folder.c_str());
    }
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, start.stdoutFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (start.stderrFile.empty()) {
        posix_spawn_file_actions_adddup2(&actions, 1, 2);
    } else {
        posix_spawn_file_actions_addopen(&actions, 2, start.stderrFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    }
    pid_t child = -1;
    const int error = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        ADD_FAILURE() << "cannot start " << start.arguments[0] << ": " << std::strerror(error);
        return;
    }
    id_ = child;
}

ChildProcess::~ChildProcess()
{
    if (running()) {
        kill(id_, SIGKILL);
        reap(0);
    }
}

bool ChildProcess::reap(int options)
{
    if (end_) {
        return true;
    }
    int status = 0;
    if (waitpid(id_, &status, options) != id_) {
        return false;
    }
    ProcessEnd end;
    if (WIFEXITED(status)) {
        end.exitStatus = WEXITSTATUS(status);
    } else if (WIFSIGNALED(status)) {
        end.signal = WTERMSIG(status);
    }
    end_ = end;
    return true;
}

bool ChildProcess::running() { return started() && !reap(WNOHANG); }

std::optional<ProcessEnd> ChildProcess::waitFor(std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (running() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return started() ? end_ : ProcessEnd{};
}

ProcessEnd ChildProcess::waitForEnd(std::chrono::milliseconds timeout)
{
    if (const std::optional<ProcessEnd> end = waitFor(timeout)) {
        return *end;
    }
    kill(id_, SIGKILL);
    reap(0);
    end_ = ProcessEnd{true, std::nullopt, std::nullopt};
    return *end_;
}

ProcessEnd ChildProcess::stop()
{
    if (!started()) {
        return {};
    }
    if (running()) {
        kill(id_, SIGTERM);
        if (!waitFor(std::chrono::seconds(5))) {
            kill(id_, SIGKILL);
            reap(0);
        }
    }
    return end_.value_or(ProcessEnd{});
}

} // namespace tavernrush::e2e
