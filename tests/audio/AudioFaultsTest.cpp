// Broken sound files and a missing sound device: one line each, and the game
// goes on with whatever still works.
#include "audio/AlDevice.h"
#include "audio/Audio.h"
#include "audio/Recording.h"
#include "audio/SoundOutput.h"
#include "audio/WavWriter.h"
#include "e2e/TemporaryFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <random>
#include <sstream>

namespace tavernrush {
namespace {

namespace fs = std::filesystem;
using testing::audibleRms;
using testing::Recording;
using testing::silentPeak;
using ::testing::StartsWith;

int countLines(const std::string& text)
{
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

TEST(AudioFaults, MissingDamagedAndEmptyFilesAreReportedAndTheRestStillPlay)
{
    const e2e::TemporaryFolder folder("sounds");
    for (const fs::directory_entry& entry : fs::directory_iterator("assets/sounds")) {
        fs::copy_file(entry.path(), folder.path() / entry.path().filename());
    }
    const fs::path missing = folder.path() / "coin.ogg";
    const fs::path damaged = folder.path() / "beer.ogg";
    const fs::path empty = folder.path() / "jump.ogg";
    // The loops are decoded apart from the cues; a broken one is reported
    // all the same.
    const fs::path damagedLoop = folder.path() / "tune.ogg";
    fs::remove(missing);
    std::mt19937 random(12);
    std::string noise(20000, '\0');
    std::generate(noise.begin(), noise.end(), [&] { return static_cast<char>(random()); });
    e2e::writeWholeFile(damaged, noise);
    e2e::writeWholeFile(damagedLoop, noise);
    e2e::writeWholeFile(empty, "");

    // A loop whose header reads but which holds no samples is found out only
    // by its decoding, and reported when the music starts.
    const fs::path emptyLoop = folder.path() / "ambience.ogg";
    std::ostringstream writerLog;
    ASSERT_TRUE(WavWriter::create(emptyLoop.string(), Audio::loopbackSampleRate, writerLog).finish(writerLog))
        << writerLog.str();

    std::ostringstream log;
    AudioSettings settings;
    settings.music = 0.0f;
    Audio audio = Audio::openLoopback(settings, folder.path().string(), log);
    ASSERT_TRUE(audio.isOn());
    std::vector<std::string> lines = linesOf(log.str());
    std::sort(lines.begin(), lines.end());
    const std::string failed = "Sound failed to load at path: ";
    EXPECT_EQ(lines, (std::vector<std::string>{failed + damaged.string() + " (not a sound file)",
                                               failed + missing.string() + " (no such file or directory)",
                                               failed + empty.string() + " (not a sound file)",
                                               failed + damagedLoop.string() + " (not a sound file)"}));

    Recording run;
    audio.startMusic();
    EXPECT_EQ(linesOf(log.str()).back(), failed + emptyLoop.string() + " (holds no samples)");
    audio.play({FrameEvent{FrameEventKind::CoinCollected}, FrameEvent{FrameEventKind::BeerDrunk},
                FrameEvent{FrameEventKind::JumpStarted}});
    run.record(audio, 1.0);
    EXPECT_LE(run.peak(0.0, 1.0), silentPeak) << "the three broken cues are silent";
    audio.play({FrameEvent{FrameEventKind::Landed}});
    run.record(audio, 0.3);
    EXPECT_GT(run.rms(1.0, 1.3), audibleRms) << "the landing still sounds";
    EXPECT_EQ(countLines(log.str()), 5) << "nothing more once the music has started";
}

// With OpenAL Soft 1.19 (Debian 12) an unknown device name fails to open on
// every backend; ALSOFT_DRIVERS=none in the environment does the same for
// the default device, but OpenAL reads it once per process.
TEST(AudioFaults, NoDeviceTurnsSoundOffWithOneLineAndNothingElseChanges)
{
    std::ostringstream log;
    Audio audio = Audio::open(AudioSettings{}, "assets/sounds", log, "Tavernrush test: no such device");
    EXPECT_FALSE(audio.isOn());
    const std::vector<std::string> lines = linesOf(log.str());
    ASSERT_EQ(lines.size(), 1u) << log.str();
    EXPECT_THAT(lines[0], StartsWith("Sound is off: "));

    audio.startMusic();
    audio.setListener(glm::vec3(1.0f), glm::vec3(0.0f, 0.0f, -1.0f), glm::vec3(0.0f, 1.0f, 0.0f));
    audio.play({FrameEvent{FrameEventKind::CoinCollected}});
    audio.toggleMute();
    audio.setPaused(true);
    const std::vector<std::int16_t> frame = audio.render(testing::frameSamples);
    EXPECT_EQ(frame, std::vector<std::int16_t>(2 * testing::frameSamples, 0)) << "a recording stays in step";
    EXPECT_EQ(log.str(), lines[0] + "\n");
}

// An unplugged headset, played through with loopback devices the test loses
// and finds again at will, on a clock of its own.
TEST(AudioFaults, ALostDeviceCostsOneLineAndSoundComesBackAsItWasWithTheNextOne)
{
    bool connected = true;
    bool deviceToBeHad = true;
    int opened = 0;
    const SoundOutput output{[&](std::string& failure) {
                                 ++opened;
                                 if (!deviceToBeHad) {
                                     failure = "no device";
                                     return AlDevice();
                                 }
                                 return AlDevice::openLoopback(failure);
                             },
                             [&](const AlDevice&) { return connected; }};
    std::ostringstream log;
    Audio audio = Audio::openOn(output, AudioSettings{}, "assets/sounds", log);
    ASSERT_TRUE(audio.isOn()) << log.str();
    using namespace std::chrono_literals;
    const std::chrono::steady_clock::time_point lost{100s};

    audio.startMusic();
    audio.toggleMute();
    connected = false;
    deviceToBeHad = false;
    audio.keepOutput(lost);
    EXPECT_FALSE(audio.isOn());
    audio.toggleMute(); // M pressed while no device plays counts once one is back
    audio.play({FrameEvent{FrameEventKind::CoinCollected}});
    audio.keepOutput(lost + Audio::retryInterval - 1ms);
    EXPECT_EQ(opened, 1) << "no look for a device before the interval is over";
    audio.keepOutput(lost + Audio::retryInterval);
    EXPECT_EQ(opened, 2);
    EXPECT_FALSE(audio.isOn());

    connected = true;
    deviceToBeHad = true;
    audio.keepOutput(lost + 2 * Audio::retryInterval);
    ASSERT_TRUE(audio.isOn());
    const std::string lostLine = "Sound is off: the sound device was lost. Playing on silently until one is back.";
    EXPECT_EQ(linesOf(log.str()), (std::vector<std::string>{lostLine, "Sound is back."}));
    EXPECT_FALSE(audio.isMuted()) << "muted when the device went, and M pressed since";
    Recording run;
    run.record(audio, 0.5);
    EXPECT_GT(run.rms(0.0, 0.5), audibleRms) << "the music plays again";
}

} // namespace
} // namespace tavernrush
