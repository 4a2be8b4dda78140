#include "ReplayProcess.h"

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

std::string readTextFile(const std::filesystem::path& path)
{
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

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
    const std::filesystem::path outputPath = folder / "stdout.txt";
    const std::filesystem::path errorPath = folder / "stderr.txt";
    std::vector<std::string> words{TAVERNRUSH_REPLAY_BINARY};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    // No stdin: a start-up failure waits for a key only on a terminal.
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outputPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, errorPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);

    ProcessResult result;
    if (spawned != 0) {
        ADD_FAILURE() << "could not start " << argv[0];
        return result;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
    int status = 0;
    while (waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            result.timedOut = true;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (!result.timedOut && WIFEXITED(status)) {
        result.exitStatus = WEXITSTATUS(status);
    }
    result.output = readTextFile(outputPath);
    result.errors = readTextFile(errorPath);
    return result;
}

std::vector<JsonValue> readTrace(const std::filesystem::path& path)
{
    std::vector<JsonValue> frames;
    std::ifstream in(path);
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        if (std::optional<JsonValue> frame = parseJson(line)) {
            frames.push_back(std::move(*frame));
        } else {
            ADD_FAILURE() << path << " line " << number << " is not JSON: " << line;
        }
    }
    return frames;
}

} // namespace tavernrush::e2e
