#pragma once
// The demonstration replays under docs/replays/: replay scripts whose header
// comments say how to run them and which frames become the screenshots
// under docs/screenshots/ (tools/replay/make-docs-screenshots.sh reads the
// same lines):
//   # run: --dt 0.1 --frames 80
//   # shot: 58 ladder-top.png

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tavernrush::e2e {

struct DocsShot {
    long frame = 0;
    std::string fileName;
};

struct DocsReplay {
    std::filesystem::path script;
    // The words after "# run:".
    std::vector<std::string> runArguments;
    std::vector<DocsShot> shots;
};

// Nullopt when the file cannot be read or a header line is malformed.
std::optional<DocsReplay> readDocsReplay(const std::filesystem::path& script);

// Every *.replay file of the folder, sorted by name.
std::vector<std::filesystem::path> docsReplayFiles(const std::filesystem::path& folder);

} // namespace tavernrush::e2e
