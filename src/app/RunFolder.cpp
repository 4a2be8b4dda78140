#include "app/RunFolder.h"

#include "app/RegularFile.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace tavernrush {

std::optional<std::filesystem::path> runFolderFor(const char* xdgStateHome, const char* home)
{
    std::filesystem::path base;
    if (xdgStateHome != nullptr && std::filesystem::path(xdgStateHome).is_absolute()) {
        base = xdgStateHome;
    } else if (home != nullptr && std::filesystem::path(home).is_absolute()) {
        base = std::filesystem::path(home) / ".local" / "state";
    } else {
        return std::nullopt;
    }
    return base / "tavernrush" / "runs";
}

std::optional<std::filesystem::path> playerRunFolder()
{
    return runFolderFor(std::getenv("XDG_STATE_HOME"), std::getenv("HOME"));
}

std::filesystem::path newRunPath(const std::filesystem::path& folder, const std::tm& localTime, long processId)
{
    char name[64];
    std::snprintf(name, sizeof name, "run-%04d%02d%02d-%02d%02d%02d-%ld.run", localTime.tm_year + 1900,
                  localTime.tm_mon + 1, localTime.tm_mday, localTime.tm_hour, localTime.tm_min, localTime.tm_sec,
                  processId);
    return folder / name;
}

std::filesystem::path bestRunPath(const std::filesystem::path& folder, const std::string& level)
{
    return folder / ("best-" + level + ".run");
}

void pruneRuns(const std::filesystem::path& folder, int keep)
{
    std::error_code error;
    std::vector<std::filesystem::path> runs;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        if (name.starts_with("run-") && name.ends_with(".run") && entry->is_regular_file(error)) {
            runs.push_back(entry->path());
        }
    }
    std::sort(runs.begin(), runs.end());
    for (std::size_t i = 0; i + static_cast<std::size_t>(keep) < runs.size(); ++i) {
        std::filesystem::remove(runs[i], error);
    }
}

std::variant<ReplayScript, std::string> readRunFile(const std::filesystem::path& path)
{
    const RegularFileRead file = readRegularFile(path, largestRunBytes);
    if (!file.text) {
        return file.missing ? std::string("no such file") : file.problem;
    }
    ScriptParse parse = parseReplayScript(*file.text);
    if (const auto* error = std::get_if<ScriptError>(&parse)) {
        return error->message();
    }
    ReplayScript script = std::get<ReplayScript>(std::move(parse));
    if (!script.run) {
        return std::string("not a run file (its first line is 'run VERSION')");
    }
    return script;
}

} // namespace tavernrush
