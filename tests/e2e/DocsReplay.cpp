#include "DocsReplay.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <string_view>
#include <sstream>

namespace tavernrush::e2e {
namespace {

std::vector<std::string> wordsOf(const std::string& text)
{
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;) {
        words.push_back(word);
    }
    return words;
}

// The rest of the line after `prefix`, when the line starts with it.
std::optional<std::string> after(const std::string& line, const std::string& prefix)
{
    if (line.compare(0, prefix.size(), prefix) != 0) {
        return std::nullopt;
    }
    return line.substr(prefix.size());
}

} // namespace

std::optional<DocsReplay> readDocsReplay(const std::filesystem::path& script)
{
    std::ifstream in(script);
    if (!in) {
        return std::nullopt;
    }
    DocsReplay replay;
    replay.script = script;
    bool runSeen = false;
    for (std::string line; std::getline(in, line);) {
        if (const std::optional<std::string> run = after(line, "# run:")) {
            if (runSeen) {
                return std::nullopt;
            }
            replay.runArguments = wordsOf(*run);
            // "{replays}/best.run": a file beside the script, wherever it is run from.
            for (std::string& word : replay.runArguments) {
                if (word.starts_with("{replays}/")) {
                    word = (script.parent_path() / word.substr(std::string_view("{replays}/").size())).string();
                }
            }
            runSeen = true;
        } else if (const std::optional<std::string> shot = after(line, "# shot:")) {
            const std::vector<std::string> words = wordsOf(*shot);
            long frame = -1;
            if (words.size() != 2) {
                return std::nullopt;
            }
            const std::string& number = words[0];
            const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), frame);
            if (error != std::errc() || end != number.data() + number.size() || frame < 0) {
                return std::nullopt;
            }
            replay.shots.push_back({frame, words[1]});
        }
    }
    if (!runSeen) {
        return std::nullopt;
    }
    return replay;
}

std::vector<std::filesystem::path> docsReplayFiles(const std::filesystem::path& folder)
{
    std::vector<std::filesystem::path> files;
    for (const std::filesystem::directory_entry& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.is_regular_file() && entry.path().extension() == ".replay") {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace tavernrush::e2e
