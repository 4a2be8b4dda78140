#include "audio/SoundCue.h"

namespace tavernrush {

std::string_view soundFileName(Sound sound)
{
    switch (sound) {
    case Sound::Coin: return "coin.ogg";
    case Sound::Beer: return "beer.ogg";
    case Sound::Jump: return "jump.ogg";
    case Sound::Land: return "land.ogg";
    case Sound::Ladder: return "ladder.ogg";
    case Sound::Hiccup: return "hiccup.ogg";
    case Sound::Whinny: return "whinny.ogg";
    case Sound::Toilet: return "toilet.ogg";
    case Sound::Fanfare: return "fanfare.ogg";
    case Sound::Buzzer: return "buzzer.ogg";
    case Sound::Rewind: return "rewind.ogg";
    case Sound::Ambience: return "ambience.ogg";
    case Sound::Tune: return "tune.ogg";
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
