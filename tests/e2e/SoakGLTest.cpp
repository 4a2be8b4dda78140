// The soak: the sanitizer build's replay tool runs thousands of frames of
// seeded random input in a small window (ReplayProcess.h), and the run must
// end cleanly with no sanitizer report, no GL error, sane game figures and
// level memory. TAVERNRUSH_SOAK_FRAMES sets the length (make test runs 2,000
// frames, make soak 20,000) and TAVERNRUSH_SOAK_SEED the input.

#include "ReplayProcess.h"
#include "SoakChecks.h"
#include "TemporaryFolder.h"
#include "app/ScriptedInput.h"
#include "soak/ScriptText.h"
#include "soak/SoakScript.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>

namespace tavernrush::e2e {
namespace {

namespace fs = std::filesystem;

constexpr long defaultFrames = 2000;
constexpr std::uint32_t defaultSeed = 20250;
// Memory is compared with its figure after this frame: by then every model,
// texture, shader and render target exists and the driver has compiled what
// it compiles, so what is left to grow is what the frames leak.
constexpr long warmFrame = 1000;
constexpr double memoryTolerance = 0.05;
// Far above the slowest frames seen under the sanitizers (a full-screen
// frame of the software renderer), so only a hung run hits it.
constexpr int secondsPerHundredFrames = 60;

long environmentNumber(const char* name, long fallback)
{
    const char* text = std::getenv(name);
    if (text == nullptr || *text == '\0') {
        return fallback;
    }
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (*end != '\0' || value < 0) {
        ADD_FAILURE() << name << " must be a whole number, not '" << text << "'";
        return fallback;
    }
    return value;
}

// Reads the trace line by line: a long soak's trace is too big to hold parsed.
std::vector<SoakFrame> readSoakFrames(const fs::path& path)
{
    std::vector<SoakFrame> frames;
    std::ifstream in(path);
    long number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        const Json json = Json::parse(line, nullptr, false);
        const std::optional<SoakFrame> frame = json.is_discarded() ? std::nullopt : soakFrameOf(json);
        if (!frame) {
            ADD_FAILURE() << path << " line " << number << " is not a trace line: " << line.substr(0, 200);
            break;
        }
        frames.push_back(*frame);
    }
    return frames;
}

// ASan keeps freed blocks in a quarantine to catch later use of them; its
// default 256 MiB fills and drains with every picture the game decodes, so
// the resident figure would swing by tens of MiB from that cache alone. A
// small quarantine keeps the figure close to the memory actually in use and
// still catches use of anything freed in the last few frames.
void useSmallQuarantineInTheReplay()
{
    constexpr const char* quarantine = "quarantine_size_mb=16";
    const char* current = std::getenv("ASAN_OPTIONS");
    const std::string options = current == nullptr || *current == '\0' ? quarantine
                                                                        : std::string(current) + ":" + quarantine;
    ASSERT_EQ(setenv("ASAN_OPTIONS", options.c_str(), 1), 0);
}

template <typename Lines>
std::string joined(const Lines& lines, std::size_t most = 20)
{
    std::string text;
    for (std::size_t i = 0; i < lines.size() && i < most; ++i) {
        text += lines[i] + "\n";
    }
    if (lines.size() > most) {
        text += "... " + std::to_string(lines.size() - most) + " more\n";
    }
    return text;
}

TEST(SoakGLTest, RandomInputRunsCleanWithLevelMemory)
{
    const long frameCount = environmentNumber("TAVERNRUSH_SOAK_FRAMES", defaultFrames);
    const auto seed = static_cast<std::uint32_t>(environmentNumber("TAVERNRUSH_SOAK_SEED", defaultSeed));
    ASSERT_GT(frameCount, warmFrame) << "the memory check needs frames after frame " << warmFrame;

    useSmallQuarantineInTheReplay();
    const fs::path folder = freshOutputFolder("soak");
    const ReplayScript script = generateSoakScript({seed, frameCount, true});
    writeTextFile(folder / "script.txt",
                  formatReplayScript(script, "soak seed " + std::to_string(seed) + ", " +
                                                 std::to_string(frameCount) + " frames"));
    const ProcessResult result =
        runReplay({"--script", (folder / "script.txt").string(), "--frames", std::to_string(frameCount), "--trace",
                   (folder / "trace.jsonl").string(), "--memory-log", (folder / "memory.txt").string()},
                  folder, static_cast<int>(frameCount / 100 + 1) * secondsPerHundredFrames);

    EXPECT_FALSE(result.timedOut) << "see " << folder;
    EXPECT_EQ(result.exitStatus, 0) << "see " << folder << "\n" << result.errors.substr(0, 4000);
    const std::vector<std::string> reports = sanitizerReportLines(result.errors + result.output);
    EXPECT_TRUE(reports.empty()) << "sanitizer report, see " << folder / "stderr.txt" << ":\n" << joined(reports);
    const std::vector<std::string> glErrors = openGlErrorLines(result.output + result.errors);
    EXPECT_TRUE(glErrors.empty()) << glErrors.size() << " GL error lines:\n" << joined(glErrors);

    ScriptedInput input(script);
    const std::vector<std::string> problems =
        frameProblems(readSoakFrames(folder / "trace.jsonl"), frameCount, [&input](long frame) {
            input.setFrame(frame);
            return input.isKeyHeld(Action::Restart);
        });
    EXPECT_TRUE(problems.empty()) << problems.size() << " problems in the trace:\n" << joined(problems);

    const std::optional<std::vector<MemorySample>> samples = parseMemoryLog(readWholeFile(folder / "memory.txt"));
    ASSERT_TRUE(samples) << "malformed " << folder / "memory.txt";
    const MemoryComparison memory = compareMemory(*samples, warmFrame, frameCount - 1, memoryTolerance);
    EXPECT_TRUE(memory.problem.empty()) << memory.problem;
    // The figures belong in the log of every run, passed or failed.
    std::cout << "soak: seed " << seed << ", " << frameCount << " frames; resident memory " << memory.baselineKiB
              << " KiB after frame " << warmFrame << ", " << memory.finalKiB << " KiB after frame "
              << frameCount - 1 << " (" << (memory.change >= 0 ? "+" : "") << memory.change * 100.0 << "%)\n"
              << result.output;
}

} // namespace
} // namespace tavernrush::e2e
