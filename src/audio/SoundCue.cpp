#include "audio/SoundCue.h"

namespace tavernrush {

std::optional<SoundCue> cueFor(FrameEventKind kind)
{
    switch (kind) {
    // The coin sounds where it was caught, the whinny from the unicorn in
    // reach; the rest belong to the player and the screen.
    case FrameEventKind::CoinCollected: return SoundCue{AssetId::CoinSound, true};
    case FrameEventKind::PictureUnicorn: return SoundCue{AssetId::WhinnySound, true};
    case FrameEventKind::BeerDrunk: return SoundCue{AssetId::BeerSound, false};
    case FrameEventKind::JumpStarted: return SoundCue{AssetId::JumpSound, false};
    case FrameEventKind::Landed: return SoundCue{AssetId::LandSound, false};
    // A knock on the rung rather than the jump's hop: boarding the ladder
    // is no jump.
    case FrameEventKind::LadderBoarded: return SoundCue{AssetId::LadderSound, false};
    case FrameEventKind::PictureWon: return SoundCue{AssetId::FanfareSound, false};
    case FrameEventKind::PictureTimeUp: return SoundCue{AssetId::BuzzerSound, false};
    case FrameEventKind::PictureDrunk: return SoundCue{AssetId::HiccupSound, false};
    case FrameEventKind::PictureToilet: return SoundCue{AssetId::ToiletSound, false};
    case FrameEventKind::Restart: return SoundCue{AssetId::RewindSound, false};
    case FrameEventKind::Won:
    case FrameEventKind::TimeUp:
    case FrameEventKind::FullscreenToggled: return std::nullopt;
    }
    return std::nullopt;
}

} // namespace tavernrush
