#include "BadInputProcess.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <sstream>
#include <thread>

extern char** environ;

namespace tavernrush::e2e {
namespace {

std::vector<std::string> environmentWithout(const std::vector<std::string>& removed)
{
    std::vector<std::string> entries;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text(*entry);
        const std::string name = text.substr(0, text.find('='));
        if (std::find(removed.begin(), removed.end(), name) == removed.end()) {
            entries.push_back(text);
        }
    }
    return entries;
}

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

GameProcess::GameProcess(const std::vector<std::string>& arguments, const std::filesystem::path& folder,
                         const std::filesystem::path& stdoutFile, const std::filesystem::path& stderrFile,
                         const std::vector<std::string>& removedVariables, const std::vector<std::string>& setVariables)
{
    std::vector<std::string> words = arguments;
    std::vector<std::string> removed = removedVariables;
    for (const std::string& entry : setVariables) {
        removed.push_back(entry.substr(0, entry.find('=')));
    }
    std::vector<std::string> entries = environmentWithout(removed);
    entries.insert(entries.end(), setVariables.begin(), setVariables.end());
    const std::vector<char*> argv = pointersTo(words);
    const std::vector<char*> envp = pointersTo(entries);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    // No terminal on input: a start-up failure then ends at once instead of
    // waiting for a key.
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, stdoutFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, stderrFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t child = -1;
    const int error = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        ADD_FAILURE() << "cannot start " << arguments[0] << ": " << std::strerror(error);
        return;
    }
    id_ = child;
}

GameProcess::~GameProcess()
{
    if (running()) {
        kill(id_, SIGKILL);
        reap(0);
    }
}

bool GameProcess::reap(int options)
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

bool GameProcess::running() { return started() && !reap(WNOHANG); }

ProcessEnd GameProcess::waitForEnd(std::chrono::milliseconds timeout)
{
    if (!started()) {
        return {};
    }
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (running() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (running()) {
        kill(id_, SIGKILL);
        reap(0);
        ProcessEnd killed;
        killed.timedOut = true;
        end_ = killed;
    }
    return *end_;
}

std::string readText(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> splitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

} // namespace tavernrush::e2e
