// The list of sound files, and their encoding: effects at Vorbis quality 0.5
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
        {"sounds/coin.ogg", false, mono(coinChime)},
        {"sounds/beer.ogg", false, mono(beerGulp)},
        {"sounds/jump.ogg", false, mono(jumpHop)},
        {"sounds/land.ogg", false, mono(landThud)},
        {"sounds/ladder.ogg", false, mono(ladderClack)},
        {"sounds/hiccup.ogg", false, mono(drunkHiccup)},
        {"sounds/whinny.ogg", false, mono(unicornWhinny)},
        {"sounds/toilet.ogg", false, mono(toiletFlush)},
        {"sounds/fanfare.ogg", false, mono(winFanfare)},
        {"sounds/buzzer.ogg", false, mono(timeUpBuzzer)},
        {"sounds/rewind.ogg", false, mono(rewindWarble)},
        {"sounds/ambience.ogg", true, stereo(meadowAmbience)},
        {"sounds/tune.ogg", true, stereo(tavernTune)},
    };
    return sounds;
}

void writeGeneratedSound(const std::filesystem::path& assets, const GeneratedSound& sound)
{
    writeOggVorbis(assets / sound.file, sound.render(), sound.loop ? 0.4f : 0.5f);
}

} // namespace tavernrush::assetgen
