#include "ImageRun.h"

#include "scene/HudLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <sstream>

namespace tavernrush::e2e {

std::string describe(const ProcessResult& result)
{
    return "exit " + std::to_string(result.exitStatus) + (result.timedOut ? " (timed out)" : "") +
           "\n--- stdout\n" + result.output + "\n--- stderr\n" + result.errors;
}

std::vector<std::string> picturesOf(const Json& traceLine)
{
    std::vector<std::string> names;
    for (const Json& name : traceLine.at("pictures")) {
        names.push_back(name.get<std::string>());
    }
    return names;
}

std::filesystem::path ShotRun::shotPath(long frame) const
{
    return folder / ("frame-" + std::to_string(frame) + ".png");
}

std::optional<ScreenImage> ShotRun::shot(long frame) const
{
    std::optional<ScreenImage> image = ScreenImage::load(shotPath(frame));
    EXPECT_TRUE(image.has_value()) << "no readable picture " << shotPath(frame);
    return image;
}

ShotRun runWithShots(const ShotRunRequest& request)
{
    ShotRun run;
    run.folder = freshOutputFolder(request.name, request.windowSize, request.windowSize);
    writeTextFile(run.folder / "script.txt", request.script);
    std::ostringstream step;
    step.precision(17);
    step << request.frameSeconds;
    std::vector<std::string> args{"--script", (run.folder / "script.txt").string(),
                                  "--frames", std::to_string(request.frames),
                                  "--dt",     step.str(),
                                  "--trace",  (run.folder / "trace.jsonl").string()};
    for (const long frame : request.shots) {
        args.push_back("--shot");
        args.push_back(std::to_string(frame) + ":" + run.shotPath(frame).string());
    }
    run.process = runReplay(args, run.folder);
    EXPECT_EQ(run.process.exitStatus, 0) << describe(run.process);
    EXPECT_EQ(run.process.output.find("OpenGL Error"), std::string::npos) << run.process.output;
    run.trace = readTrace(run.folder / "trace.jsonl");
    EXPECT_EQ(run.trace.size(), static_cast<std::size_t>(request.frames)) << describe(run.process);
    return run;
}

FailureEvidence::~FailureEvidence()
{
    if (!::testing::Test::HasFailure()) {
        return;
    }
    for (const std::filesystem::path& path : noted_) {
        std::cout << "image test evidence: " << path.string() << '\n';
    }
    for (const auto& [fileName, image] : images_) {
        const std::filesystem::path path = folder_ / fileName;
        if (image.savePng(path)) {
            std::cout << "image test evidence: " << path.string() << '\n';
        } else {
            std::cout << "image test evidence: could not write " << path.string() << '\n';
        }
    }
}

void FailureEvidence::add(const std::string& fileName, ScreenImage image)
{
    images_.emplace_back(fileName, std::move(image));
}

void FailureEvidence::addDifference(const std::string& fileName, const ScreenImage& a, const ScreenImage& b)
{
    ScreenImage difference = channelDifference(a, b);
    for (int y = 0; y < difference.height(); ++y) {
        for (int x = 0; x < difference.width(); ++x) {
            difference.setPixel(x, y, difference.pixel(x, y) * 4);
        }
    }
    add(fileName, std::move(difference));
}

PixelBox countdownBox(int height)
{
    glm::vec2 far{0.0f};
    for (const HudQuad& quad : countdownQuads("00.0", {height, height})) {
        far = glm::max(far, glm::max(quad.from, quad.to));
    }
    // Filtering may touch one pixel more.
    return PixelBox{0, 0, static_cast<int>(std::ceil(far.x)) + 1, static_cast<int>(std::ceil(far.y)) + 1};
}

} // namespace tavernrush::e2e
