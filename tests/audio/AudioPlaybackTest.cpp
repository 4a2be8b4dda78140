// What a player hears: the cue of each event, from the right side, once, and
// held while paused. Rendered through the loopback device frame by frame as
// the replay tool does. When a cue comes, and mute and volume 0, are heard
// through the replay tool itself (tests/e2e/ReplaySoundGLTest.cpp).
#include "audio/Audio.h"
#include "audio/Recording.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tavernrush {
namespace {

using testing::audibleRms;
using testing::frameSamples;
using testing::Recording;
using testing::silentPeak;

constexpr const char* soundFolder = "assets/sounds";
constexpr double frameSeconds = double(frameSamples) / 48000.0;

Audio openQuietly(const AudioSettings& settings)
{
    std::ostringstream log;
    Audio audio = Audio::openLoopback(settings, soundFolder, log);
    EXPECT_TRUE(audio.isOn()) << log.str();
    EXPECT_EQ(log.str(), "");
    return audio;
}

AudioSettings withoutMusic()
{
    AudioSettings settings;
    settings.music = 0.0f;
    return settings;
}

FrameEvent event(FrameEventKind kind, glm::vec3 where = glm::vec3(0.0f))
{
    return FrameEvent{kind, where};
}

// Each event on its own, spaced out so no cue overlaps the next. The sounding
// ones must be heard and differ from each other; the rest stay silent.
TEST(AudioPlayback, EachEventKindMapsToItsOwnAudibleSound)
{
    struct Row {
        FrameEventKind kind;
        bool sounds;
    };
    const Row table[] = {
        {FrameEventKind::CoinCollected, true}, {FrameEventKind::BeerDrunk, true},
        {FrameEventKind::JumpStarted, true},   {FrameEventKind::Landed, true},
        {FrameEventKind::LadderBoarded, true}, {FrameEventKind::PictureWon, true},
        {FrameEventKind::PictureTimeUp, true}, {FrameEventKind::PictureDrunk, true},
        {FrameEventKind::PictureUnicorn, true}, {FrameEventKind::PictureToilet, true},
        {FrameEventKind::Restart, true},       {FrameEventKind::Won, false},
        {FrameEventKind::TimeUp, false},       {FrameEventKind::FullscreenToggled, false},
    };
    // Longer than the longest cue (the toilet's 3 s).
    constexpr double spacing = 3.2;
    constexpr double listen = 0.4;
    Audio audio = openQuietly(withoutMusic());
    Recording run;
    std::vector<std::vector<std::int16_t>> heard;
    for (const Row& row : table) {
        SCOPED_TRACE(std::string(frameEventName(row.kind)));
        const double at = run.seconds();
        audio.play({event(row.kind)});
        run.record(audio, spacing);
        if (row.sounds) {
            EXPECT_GT(run.rms(at, at + listen), audibleRms);
            heard.push_back(run.slice(at, at + listen));
        } else {
            EXPECT_LE(run.peak(at, at + spacing), silentPeak);
        }
    }
    // Two events sharing one file would render the same samples.
    for (std::size_t a = 0; a < heard.size(); ++a) {
        for (std::size_t b = a + 1; b < heard.size(); ++b) {
            EXPECT_GT(testing::differenceRms(heard[a], heard[b]), audibleRms) << "cues " << a << " and " << b;
        }
    }
}

TEST(AudioPlayback, CoinAndUnicornComeFromWhereTheyHappenTheRestFromTheListener)
{
    Audio audio = openQuietly(withoutMusic());
    // Looking down -z: +x is to the right.
    audio.setListener(glm::vec3(0.0f), glm::vec3(0.0f, 0.0f, -1.0f), glm::vec3(0.0f, 1.0f, 0.0f));
    const glm::vec3 right(8.0f, 0.0f, 0.0f);
    const glm::vec3 left(-8.0f, 0.0f, 0.0f);
    Recording run;
    audio.play({event(FrameEventKind::CoinCollected, right)});
    run.record(audio, 0.8);
    audio.play({event(FrameEventKind::PictureUnicorn, left)});
    run.record(audio, 1.6);
    audio.play({event(FrameEventKind::BeerDrunk, right)});
    run.record(audio, 1.0);

    EXPECT_GT(run.rms(0.0, 0.3, 1), 2.0 * run.rms(0.0, 0.3, 0)) << "coin to the right";
    EXPECT_GT(run.rms(0.8, 1.4, 0), 2.0 * run.rms(0.8, 1.4, 1)) << "unicorn to the left";
    const double beerLeft = run.rms(2.4, 3.4, 0);
    const double beerRight = run.rms(2.4, 3.4, 1);
    EXPECT_GT(beerLeft, audibleRms);
    EXPECT_NEAR(beerLeft / beerRight, 1.0, 0.1) << "the beer plays at the listener, wherever it was";
}

TEST(AudioPlayback, AnEventRepeatedInOneFramePlaysOnce)
{
    Audio once = openQuietly(withoutMusic());
    once.play({event(FrameEventKind::CoinCollected)});
    Recording single;
    single.record(once, 0.5);

    Audio thrice = openQuietly(withoutMusic());
    thrice.play({event(FrameEventKind::CoinCollected), event(FrameEventKind::CoinCollected),
                 event(FrameEventKind::CoinCollected)});
    Recording repeated;
    repeated.record(thrice, 0.5);

    EXPECT_NEAR(repeated.rms(0.0, 0.5), single.rms(0.0, 0.5), 0.05 * single.rms(0.0, 0.5));
}

TEST(AudioPlayback, PauseHoldsEverySoundAndResumesIt)
{
    AudioSettings settings;
    settings.music = 1.0f;
    Audio audio = openQuietly(settings);
    audio.startMusic();
    Recording run;
    run.record(audio, 0.5);
    EXPECT_GT(run.rms(0.0, 0.5), audibleRms) << "the tune plays";

    audio.setPaused(true);
    audio.play({event(FrameEventKind::JumpStarted)});
    run.record(audio, 0.5);
    // OpenAL Soft fades a paused source out over a few milliseconds instead
    // of cutting it off with a click.
    EXPECT_LE(run.peak(0.51, 1.0), silentPeak) << "paused: no music, no cues";

    audio.setPaused(false);
    run.record(audio, 0.5);
    EXPECT_GT(run.rms(1.0, 1.5), audibleRms);
}

} // namespace
} // namespace tavernrush
