#include "ReplayProcess.h"

#include "ChildProcess.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace tavernrush::e2e {
namespace {

} // namespace

std::filesystem::path freshOutputFolder(const std::string& name)
{
    return freshOutputFolder(name, testWindowWidth, testWindowHeight);
}

std::filesystem::path freshOutputFolder(const std::string& name, int windowWidth, int windowHeight)
{
    namespace fs = std::filesystem;
    const fs::path builtAssets = fs::absolute("assets");
    const fs::path folder = fs::absolute("e2e-output") / name;
    fs::remove_all(folder);
    fs::create_directories(folder / "assets");
    for (const fs::directory_entry& entry : fs::directory_iterator(builtAssets)) {
        if (entry.path().filename() != "settings.ini") {
            fs::create_symlink(entry.path(), folder / "assets" / entry.path().filename());
        }
    }
    writeTextFile(folder / "assets" / "settings.ini", "[window]\nwidth = " + std::to_string(windowWidth) +
                                                           "\nheight = " + std::to_string(windowHeight) + "\n");
    return folder;
}

void writeTextFile(const std::filesystem::path& path, const std::string& text)
{
    std::ofstream out(path);
    out << text;
    ASSERT_TRUE(out.good()) << path;
}

ProcessResult runReplay(const std::vector<std::string>& args, const std::filesystem::path& folder,
                        int timeoutSeconds)
{
    std::vector<std::string> words{TAVERNRUSH_REPLAY_BINARY};
    words.insert(words.end(), args.begin(), args.end());
    ChildProcess replay({words, folder, ProcessEnvironment::inherited(), folder / "stdout.txt", folder / "stderr.txt"});
    const ProcessEnd end = replay.waitForEnd(std::chrono::seconds(timeoutSeconds));
    ProcessResult result;
    result.timedOut = end.timedOut;
    result.exitStatus = end.exitStatus.value_or(-1);
    result.output = readWholeFile(folder / "stdout.txt");
    result.errors = readWholeFile(folder / "stderr.txt");
    return result;
}

std::vector<Json> readTrace(const std::filesystem::path& path)
{
    std::vector<Json> frames;
    std::ifstream in(path);
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        Json frame = Json::parse(line, nullptr, false);
        if (!frame.is_discarded()) {
            frames.push_back(std::move(frame));
        } else {
            ADD_FAILURE() << path << " line " << number << " is not JSON: " << line;
        }
    }
    return frames;
}

} // namespace tavernrush::e2e
