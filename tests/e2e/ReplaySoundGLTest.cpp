// What a player hears, through the replay tool's recording of the real game:
// the mix of each frame lands at that frame's place in the WAV file, a cue
// sounds when its event happens and not before, and M, a zero volume and a
// silent music setting keep what they promise.

#include "ReplayProcess.h"

#include "audio/SoundFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace tavernrush::e2e {
namespace {

namespace fs = std::filesystem;

constexpr double dt = 0.1;
constexpr int samplesPerFrame = 4800; // dt x 48 kHz
// OpenAL Soft dithers its 16-bit output: silence reads as a step or two.
constexpr int ditherLimit = 4;

struct Recording {
    ProcessResult result;
    std::vector<Json> trace;
    DecodedSound sound;
};

// The game's own sounds, a small window, and these [audio] keys.
Recording record(const std::string& name, const std::string& script, const std::string& audioKeys, int frames)
{
    const fs::path folder = freshOutputFolder(name);
    writeTextFile(folder / "assets" / "settings.ini",
                  "[window]\nwidth = 160\nheight = 120\n[audio]\n" + audioKeys);
    writeTextFile(folder / "script.txt", script);
    Recording recording;
    recording.result = runReplay({"--script", (folder / "script.txt").string(), "--dt", "0.1", "--frames",
                                  std::to_string(frames), "--trace", (folder / "trace.jsonl").string(), "--audio",
                                  (folder / "sound.wav").string()},
                                 folder);
    EXPECT_EQ(recording.result.exitStatus, 0) << recording.result.output << recording.result.errors;
    recording.trace = readTrace(folder / "trace.jsonl");
    std::string failure;
    if (auto sound = readSoundFile((folder / "sound.wav").string(), failure)) {
        recording.sound = std::move(*sound);
    } else {
        ADD_FAILURE() << "no recording: " << failure;
    }
    return recording;
}

// The loudest sample between two sample frames.
int peak(const DecodedSound& sound, int first, int last)
{
    int loudest = 0;
    for (int i = first * sound.channels; i < std::min<int>(last * sound.channels, sound.samples.size()); ++i) {
        loudest = std::max(loudest, std::abs(static_cast<int>(sound.samples[i])));
    }
    return loudest;
}

std::vector<long> framesWith(const std::vector<Json>& trace, const std::string& event)
{
    std::vector<long> frames;
    for (const Json& line : trace) {
        for (const Json& name : line.at("events")) {
            if (name == event) {
                frames.push_back(static_cast<long>(line.at("frame").get<double>()));
            }
        }
    }
    return frames;
}

TEST(ReplaySoundGLTest, AJumpSoundsWithinATenthOfASecondAndNotBefore)
{
    // The jump waits for its one-second cooldown: held from frame 5, it
    // starts in frame 11.
    const Recording run = record("sound-jump", "5-12 key space\n", "music = 0\n", 20);
    ASSERT_EQ(run.sound.sampleRate, 48000);
    ASSERT_EQ(run.sound.channels, 2);
    EXPECT_EQ(run.sound.frames(), 20 * samplesPerFrame);
    const std::vector<long> jumps = framesWith(run.trace, "jump");
    ASSERT_EQ(jumps.size(), 1u);
    const int jumpStart = static_cast<int>(jumps.front()) * samplesPerFrame;
    EXPECT_LE(peak(run.sound, 0, jumpStart), ditherLimit) << "sound before the jump with the music off";
    EXPECT_GT(peak(run.sound, jumpStart, jumpStart + samplesPerFrame), 1000) << "no hop within 0.1 s";
}

TEST(ReplaySoundGLTest, MutePauseAndZeroVolumeAreSilentWhileTheMusicPlaysOtherwise)
{
    const std::string jump = "5-12 key space\n";
    const Recording loud = record("sound-music", jump, "", 20);
    EXPECT_GT(peak(loud.sound, 0, 5 * samplesPerFrame), 1000) << "the tune and the meadow from the first frame";

    const Recording muted = record("sound-muted", "0 key m\n" + jump, "", 20);
    EXPECT_LE(peak(muted.sound, 0, muted.sound.frames()), ditherLimit);
    EXPECT_EQ(framesWith(muted.trace, "jump").size(), 1u);

    const Recording zero = record("sound-zero", jump, "volume = 0\n", 20);
    EXPECT_LE(peak(zero.sound, 0, zero.sound.frames()), ditherLimit);

    // Pause holds everything, the music too, until P again.
    const Recording paused = record("sound-paused", "3 key p\n8 key p\n", "", 12);
    EXPECT_GT(peak(paused.sound, 0, 3 * samplesPerFrame), 1000);
    EXPECT_LE(peak(paused.sound, 4 * samplesPerFrame, 8 * samplesPerFrame), ditherLimit);
    EXPECT_GT(peak(paused.sound, 9 * samplesPerFrame, paused.sound.frames()), 1000);

    // M again brings everything back.
    const Recording back = record("sound-unmuted", "0 key m\n3 key m\n" + jump, "", 20);
    EXPECT_LE(peak(back.sound, samplesPerFrame, 2 * samplesPerFrame), ditherLimit);
    EXPECT_GT(peak(back.sound, 4 * samplesPerFrame, back.sound.frames()), 1000);
}

} // namespace
} // namespace tavernrush::e2e
