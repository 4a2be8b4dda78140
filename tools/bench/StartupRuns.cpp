#include "bench/StartupRuns.h"

#include "bench/BenchGame.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <iostream>
#include <sstream>
#include <unistd.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace tavernrush {
namespace {

std::vector<std::string> probeEnvironment(bool withoutShaderCache)
{
    std::vector<std::string> variables;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        if (std::strncmp(*entry, "MESA_SHADER_CACHE_DISABLE=", 26) != 0) {
            variables.emplace_back(*entry);
        }
    }
    if (withoutShaderCache) {
        variables.emplace_back("MESA_SHADER_CACHE_DISABLE=true");
    }
    return variables;
}

std::vector<char*> pointersTo(std::vector<std::string>& texts)
{
    std::vector<char*> pointers;
    for (std::string& text : texts) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

// One probe: its start-up in milliseconds, from just before the spawn.
std::optional<std::pair<double, ProbeResult>> runOnce(const ProbeLaunch& launch)
{
    std::vector<std::string> argumentTexts{launch.executable};
    argumentTexts.insert(argumentTexts.end(), launch.arguments.begin(), launch.arguments.end());
    std::vector<std::string> environmentTexts = probeEnvironment(launch.withoutShaderCache);
    std::vector<char*> arguments = pointersTo(argumentTexts);
    std::vector<char*> environment = pointersTo(environmentTexts);

    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        std::cerr << "tavernrush-bench: cannot make a pipe for the start-up probe\n";
        return std::nullopt;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[1]);
    pid_t child = 0;
    const long long started = steadyNanoseconds();
    const int spawned =
        posix_spawn(&child, launch.executable.c_str(), &actions, nullptr, arguments.data(), environment.data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawned != 0) {
        close(pipeEnds[0]);
        std::cerr << "tavernrush-bench: cannot start " << launch.executable << ": " << std::strerror(spawned) << "\n";
        return std::nullopt;
    }
    std::string output;
    char buffer[4096];
    for (ssize_t got; (got = read(pipeEnds[0], buffer, sizeof buffer)) != 0;) {
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            break;
        }
        output.append(buffer, static_cast<std::size_t>(got));
    }
    close(pipeEnds[0]);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    std::istringstream lines(output);
    std::optional<ProbeResult> result = parseProbeOutput(lines);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || !result) {
        std::cerr << "tavernrush-bench: the start-up probe failed:\n" << output;
        return std::nullopt;
    }
    const double millis = static_cast<double>(result->firstImageNanoseconds - started) * 1e-6;
    return std::make_pair(millis, std::move(*result));
}

} // namespace

std::optional<StartupMeasure> measureStartups(const ProbeLaunch& launch, int runs)
{
    std::vector<std::pair<double, ProbeResult>> results;
    for (int run = 0; run < runs; ++run) {
        auto result = runOnce(launch);
        if (!result) {
            return std::nullopt;
        }
        results.push_back(std::move(*result));
    }
    StartupMeasure measure;
    for (const auto& result : results) {
        measure.runsMs.push_back(result.first);
    }
    std::sort(results.begin(), results.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    const auto& median = results[results.size() / 2];
    measure.medianMs = median.first;
    measure.steps = median.second.steps;
    return measure;
}

} // namespace tavernrush
