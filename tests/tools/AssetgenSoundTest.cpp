// The generated sounds as the game decodes them: the right shape for
// OpenAL, never clipping, and loops that join without a click.
#include "audio/SoundFile.h"
#include "game/AssetTable.h"
#include "sounds/SoundFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace tavernrush::assetgen {
namespace {

DecodedSound decode(const std::string& file)
{
    std::string failure;
    std::optional<DecodedSound> sound = readSoundFile("assets/" + file, failure);
    EXPECT_TRUE(sound) << failure;
    return sound.value_or(DecodedSound{});
}

int peakOf(const DecodedSound& sound)
{
    int peak = 0;
    for (std::int16_t sample : sound.samples) {
        peak = std::max(peak, std::abs(int(sample)));
    }
    return peak;
}

// The sound files whose recipe makes a loop (or an effect).
std::vector<std::string> soundFiles(bool loops)
{
    std::vector<std::string> files;
    for (const AssetRow& row : asset::kindRows(AssetKind::Sound)) {
        for (const GeneratedSound& sound : generatedSounds()) {
            if (sound.recipe == row.recipe && sound.loop == loops) {
                files.push_back(asset::belowAssets(row.path));
            }
        }
    }
    return files;
}

// -1 dBFS: headroom every file keeps, the encoder's ringing included.
const int clipLimit = static_cast<int>(32768.0 * std::pow(10.0, -1.0 / 20.0));
// -30 dBFS: far above any encoder noise floor, well under every real sound.
constexpr int audiblePeak = 1036;

TEST(AssetSounds, EffectsAreMonoAtFortyEightKilohertzAudibleAndUnclipped)
{
    EXPECT_EQ(soundFiles(false).size() + soundFiles(true).size(), asset::kindRows(AssetKind::Sound).size())
        << "a sound row names a recipe that makes no sound";
    for (const std::string& file : soundFiles(false)) {
        SCOPED_TRACE(file);
        const DecodedSound sound = decode(file);
        EXPECT_EQ(sound.channels, 1) << "OpenAL places only mono sounds";
        EXPECT_EQ(sound.sampleRate, 48000);
        EXPECT_GT(sound.frames(), 48000 / 10);
        EXPECT_LT(sound.frames(), 48000 * 4) << "a cue, not a song";
        EXPECT_GT(peakOf(sound), audiblePeak);
        EXPECT_LT(peakOf(sound), clipLimit);
    }
}

TEST(AssetSounds, LoopsAreStereoLongEnoughAndJoinWithoutAClick)
{
    for (const std::string& file : soundFiles(true)) {
        SCOPED_TRACE(file);
        const DecodedSound sound = decode(file);
        ASSERT_EQ(sound.channels, 2);
        EXPECT_EQ(sound.sampleRate, 48000);
        EXPECT_GT(peakOf(sound), audiblePeak);
        EXPECT_LT(peakOf(sound), clipLimit);
        const int frames = sound.frames();
        auto at = [&](int frame, int side) { return int(sound.samples[static_cast<std::size_t>(frame * 2 + side)]); };
        for (int side = 0; side < 2; ++side) {
            // The step from the last sample to the first may be no larger than
            // the largest step within 50 ms either side of the loop point;
            // two unrelated stretches of sound joined there would jump.
            int largestNearby = 0;
            for (int i = 1; i < 2400; ++i) {
                largestNearby = std::max({largestNearby, std::abs(at(i, side) - at(i - 1, side)),
                                          std::abs(at(frames - i, side) - at(frames - i - 1, side))});
            }
            EXPECT_LE(std::abs(at(0, side) - at(frames - 1, side)), largestNearby) << "side " << side;
        }
    }
    EXPECT_GE(decode("sounds/tune.ogg").frames(), 30 * 48000) << "the tune lasts at least 30 s before it repeats";
}

} // namespace
} // namespace tavernrush::assetgen
