#pragma once
// Runs the built tavernrush-replay binary the way a developer or a script
// would: from a folder holding assets/.

#include "TraceJson.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tavernrush::e2e {

struct ProcessResult {
    // The exit status, or -1 when the process was killed or did not start.
    int exitStatus = -1;
    bool timedOut = false;
    std::string output;
    std::string errors;
};

// A folder of its own for one test's script, trace and pictures, emptied
// first; under the working directory (the build folder) so failures can be
// looked at later. It gets an assets/ of its own: links to every part of the
// build folder's assets/ but a settings file for a small window. The game
// reads nothing else from disk, and under the software renderer a small
// window runs each frame some twenty times faster than the default one.
std::filesystem::path freshOutputFolder(const std::string& name);
// The same with a window of the given size, for tests that need another
// shape (the game's projection has the window's aspect ratio).
std::filesystem::path freshOutputFolder(const std::string& name, int windowWidth, int windowHeight);

inline constexpr int testWindowWidth = 160;
inline constexpr int testWindowHeight = 120;

void writeTextFile(const std::filesystem::path& path, const std::string& text);

// Runs the replay tool in `folder` with `args`; ends it after `timeoutSeconds`.
ProcessResult runReplay(const std::vector<std::string>& args, const std::filesystem::path& folder,
                        int timeoutSeconds = 240);

// Every line of a JSON Lines file, parsed; a malformed line fails the test
// and is left out.
std::vector<Json> readTrace(const std::filesystem::path& path);

} // namespace tavernrush::e2e
