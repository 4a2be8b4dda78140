// The sounds by recipe name, and their encoding: effects at Vorbis quality 0.5
// (about 80 kbit/s mono), the loops at 0.4, which keeps the 32-second tune
// near half a megabyte.
#include "sounds/SoundFiles.h"

#include "sounds/ActionSounds.h"
#include "sounds/MeadowAmbience.h"
#include "sounds/OggVorbisFile.h"
#include "sounds/PictureSounds.h"
#include "sounds/TavernTune.h"
#include "sounds/VoiceSounds.h"

namespace tavernrush::assetgen {

namespace {

std::function<std::vector<Signal>()> mono(Signal (*make)())
{
    return [make] { return std::vector<Signal>{make()}; };
}

std::function<std::vector<Signal>()> stereo(StereoSignal (*make)())
{
    return [make] {
        StereoSignal signal = make();
        return std::vector<Signal>{std::move(signal.left), std::move(signal.right)};
    };
}

} // namespace

const std::vector<GeneratedSound>& generatedSounds()
{
    static const std::vector<GeneratedSound> sounds{
        {"coin chime", false, mono(coinChime)},
        {"beer gulp", false, mono(beerGulp)},
        {"jump hop", false, mono(jumpHop)},
        {"land thud", false, mono(landThud)},
        {"ladder clack", false, mono(ladderClack)},
        {"drunk hiccup", false, mono(drunkHiccup)},
        {"unicorn whinny", false, mono(unicornWhinny)},
        {"toilet flush", false, mono(toiletFlush)},
        {"win fanfare", false, mono(winFanfare)},
        {"time-up buzzer", false, mono(timeUpBuzzer)},
        {"rewind warble", false, mono(rewindWarble)},
        {"meadow ambience", true, stereo(meadowAmbience)},
        {"tavern tune", true, stereo(tavernTune)},
    };
    return sounds;
}

void writeGeneratedSound(const std::filesystem::path& file, const GeneratedSound& sound)
{
    writeOggVorbis(file, sound.render(), sound.loop ? 0.4f : 0.5f);
}

} // namespace tavernrush::assetgen
