#pragma once
// A fresh folder under the system's temporary folder, removed with its
// contents when the owner goes. Its name has a space on purpose: the launcher
// and the install must cope with such paths.

#include <filesystem>
#include <string>
#include <vector>

namespace tavernrush::e2e {

class TemporaryFolder {
public:
    explicit TemporaryFolder(const std::string& purpose);
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// Small file helpers for the tests that build trees in such a folder.
std::string readWholeFile(const std::filesystem::path& path);
void writeWholeFile(const std::filesystem::path& path, const std::string& text);
// The lines of `text`, without their line ends.
std::vector<std::string> splitLines(const std::string& text);

} // namespace tavernrush::e2e
