#pragma once
// Small model, material and image files written by the import tests into a
// fresh temporary folder, and a capture of what the code prints on std::cout.

#include <filesystem>
#include <iosfwd>
#include <sstream>
#include <string>
#include <vector>

namespace tavernrush::testing {

// A temporary folder removed with everything in it when the object dies.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The full path of a file in the folder, as a string for the loaders.
    std::string file(const std::string& name) const { return (path_ / name).string(); }

    // Writes text or bytes to name (sub-folders are created) and returns the
    // full path.
    std::string write(const std::string& name, const std::string& contents) const;
    // Writes an 8-bit PNG with the given channel count and tightly packed rows.
    std::string writePng(const std::string& name, int width, int height, int channels,
                         const std::vector<unsigned char>& pixels) const;
    // A width x height PNG filled with one colour of the given channels.
    std::string writeSolidPng(const std::string& name, int width, int height,
                              const std::vector<unsigned char>& colour) const;

private:
    std::filesystem::path path_;
};

// Redirects std::cout into a string for its lifetime.
class CoutCapture {
public:
    CoutCapture();
    ~CoutCapture();
    CoutCapture(const CoutCapture&) = delete;
    CoutCapture& operator=(const CoutCapture&) = delete;

    std::string text() const { return buffer_.str(); }

private:
    std::ostringstream buffer_;
    std::streambuf* previous_;
};

} // namespace tavernrush::testing
