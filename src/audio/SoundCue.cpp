#include "audio/SoundCue.h"

#include "game/LevelFiles.h"

namespace tavernrush {

std::string_view soundFileName(Sound sound)
{
    switch (sound) {
    case Sound::Coin: return files::sound::coin;
    case Sound::Beer: return files::sound::beer;
    case Sound::Jump: return files::sound::jump;
    case Sound::Land: return files::sound::land;
    case Sound::Ladder: return files::sound::ladder;
    case Sound::Hiccup: return files::sound::hiccup;
    case Sound::Whinny: return files::sound::whinny;
    case Sound::Toilet: return files::sound::toilet;
    case Sound::Fanfare: return files::sound::fanfare;
    case Sound::Buzzer: return files::sound::buzzer;
    case Sound::Rewind: return files::sound::rewind;
    case Sound::Ambience: return files::sound::ambience;
    case Sound::Tune: return files::sound::tune;
    }
    return "";
}

std::optional<SoundCue> cueFor(FrameEventKind kind)
{
    switch (kind) {
    // The coin sounds where it was caught, the whinny from the unicorn in
    // reach; the rest belong to the player and the screen.
    case FrameEventKind::CoinCollected: return SoundCue{Sound::Coin, true};
    case FrameEventKind::PictureUnicorn: return SoundCue{Sound::Whinny, true};
    case FrameEventKind::BeerDrunk: return SoundCue{Sound::Beer, false};
    case FrameEventKind::JumpStarted: return SoundCue{Sound::Jump, false};
    case FrameEventKind::Landed: return SoundCue{Sound::Land, false};
    // A knock on the rung rather than the jump's hop: boarding the ladder
    // is no jump.
    case FrameEventKind::LadderBoarded: return SoundCue{Sound::Ladder, false};
    case FrameEventKind::PictureWon: return SoundCue{Sound::Fanfare, false};
    case FrameEventKind::PictureTimeUp: return SoundCue{Sound::Buzzer, false};
    case FrameEventKind::PictureDrunk: return SoundCue{Sound::Hiccup, false};
    case FrameEventKind::PictureToilet: return SoundCue{Sound::Toilet, false};
    case FrameEventKind::Restart: return SoundCue{Sound::Rewind, false};
    case FrameEventKind::Won:
    case FrameEventKind::TimeUp:
    case FrameEventKind::FullscreenToggled: return std::nullopt;
    }
    return std::nullopt;
}

} // namespace tavernrush
