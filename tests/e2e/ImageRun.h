#pragma once
// One scripted run of the replay tool for the image tests: a square window,
// a fixed frame time, a trace, and pictures after chosen frames, all in the
// test's own folder under e2e-output/.

#include "ImageProbe.h"
#include "TraceJson.h"
#include "ReplayProcess.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tavernrush::e2e {

// Square, so the game's projection has the aspect ratio 1 the level was
// laid out for; small, so the software renderer keeps each frame short.
inline constexpr int imageWindowSize = 200;

struct ShotRunRequest {
    std::string name;   // the folder under e2e-output/
    std::string script; // replay script text
    long frames = 0;
    double frameSeconds = 1.0 / 60.0;
    std::vector<long> shots;
    int windowSize = imageWindowSize;
};

struct ShotRun {
    std::filesystem::path folder;
    ProcessResult process;
    std::vector<Json> trace;

    std::filesystem::path shotPath(long frame) const;
    // The picture after `frame`; fails the test when it is missing.
    std::optional<ScreenImage> shot(long frame) const;
};

// Runs the request; the run must succeed and report no GL debug message.
ShotRun runWithShots(const ShotRunRequest& request);

std::string describe(const ProcessResult& result);

// The corner the countdown may cover in a picture this many pixels high
// (its size follows the height alone), for its widest text, from the game's
// own layout.
PixelBox countdownBox(int height);

// The boards a trace line says were drawn, in drawing order.
std::vector<std::string> picturesOf(const Json& traceLine);

// Pictures written next to a test's output when the test has failed, with
// their paths printed: what was seen, and what was looked at.
class FailureEvidence {
public:
    explicit FailureEvidence(std::filesystem::path folder) : folder_(std::move(folder)) {}
    FailureEvidence(const FailureEvidence&) = delete;
    FailureEvidence& operator=(const FailureEvidence&) = delete;
    ~FailureEvidence();

    // A picture already on disk, named so it can be found.
    void note(const std::filesystem::path& path) { noted_.push_back(path); }
    void add(const std::string& fileName, ScreenImage image);
    // A difference image is written four times brighter: the differences
    // that matter here are a few dozen levels and would look black.
    void addDifference(const std::string& fileName, const ScreenImage& a, const ScreenImage& b);

private:
    std::filesystem::path folder_;
    std::vector<std::filesystem::path> noted_;
    std::vector<std::pair<std::string, ScreenImage>> images_;
};

} // namespace tavernrush::e2e
