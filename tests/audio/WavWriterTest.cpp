// Recordings of the mix: complete files only, under their real name only
// once complete.
#include "audio/SoundFile.h"
#include "audio/WavWriter.h"
#include "e2e/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace tavernrush {
namespace {

namespace fs = std::filesystem;

std::vector<std::int16_t> ramp(int frames, int start)
{
    std::vector<std::int16_t> samples;
    for (int i = 0; i < frames; ++i) {
        samples.push_back(static_cast<std::int16_t>(start + i));
        samples.push_back(static_cast<std::int16_t>(-start - i));
    }
    return samples;
}

TEST(WavWriter, FinishedRecordingReadsBackSampleForSample)
{
    const e2e::TemporaryFolder folder("wav");
    const fs::path path = folder.path() / "run.wav";
    std::ostringstream log;
    WavWriter writer = WavWriter::create(path.string(), 48000, log);
    ASSERT_TRUE(writer.isOpen()) << log.str();
    writer.write(ramp(800, 0));
    writer.write(ramp(800, 800));
    EXPECT_FALSE(fs::exists(path)) << "not under its real name before it is complete";
    ASSERT_TRUE(writer.finish(log)) << log.str();

    std::string failure;
    const std::optional<DecodedSound> read = readSoundFile(path.string(), failure);
    ASSERT_TRUE(read) << failure;
    EXPECT_EQ(read->sampleRate, 48000);
    EXPECT_EQ(read->channels, 2);
    EXPECT_EQ(read->samples, ramp(1600, 0));
    EXPECT_FALSE(fs::exists(path.string() + ".part"));
    EXPECT_EQ(log.str(), "");
}

TEST(WavWriter, UnfinishedRecordingLeavesNoFile)
{
    const e2e::TemporaryFolder folder("wav");
    const fs::path path = folder.path() / "run.wav";
    std::ostringstream log;
    {
        WavWriter writer = WavWriter::create(path.string(), 48000, log);
        writer.write(ramp(800, 0));
    }
    EXPECT_TRUE(fs::is_empty(folder.path()));
}

TEST(WavWriter, UnwritableFolderIsReportedAndNeverClaimsSuccess)
{
    const e2e::TemporaryFolder folder("wav");
    const fs::path path = folder.path() / "no such folder" / "run.wav";
    std::ostringstream log;
    WavWriter writer = WavWriter::create(path.string(), 48000, log);
    EXPECT_FALSE(writer.isOpen());
    writer.write(ramp(10, 0));
    EXPECT_FALSE(writer.finish(log));
    EXPECT_NE(log.str().find(path.string()), std::string::npos) << log.str();
    EXPECT_FALSE(fs::exists(path));
}

} // namespace
} // namespace tavernrush
