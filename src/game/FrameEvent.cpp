#include "game/FrameEvent.h"

namespace tavernrush {

std::string_view frameEventName(FrameEventKind kind)
{
    switch (kind) {
    case FrameEventKind::CoinCollected: return "coin";
    case FrameEventKind::BeerDrunk: return "beer";
    case FrameEventKind::JumpStarted: return "jump";
    case FrameEventKind::Landed: return "land";
    case FrameEventKind::LadderBoarded: return "ladder";
    case FrameEventKind::PictureWon: return "picture:won";
    case FrameEventKind::PictureTimeUp: return "picture:timeup";
    case FrameEventKind::PictureDrunk: return "picture:drunk";
    case FrameEventKind::PictureUnicorn: return "picture:unicorn";
    case FrameEventKind::PictureToilet: return "picture:toilet";
    case FrameEventKind::Restart: return "restart";
    case FrameEventKind::Won: return "win";
    case FrameEventKind::TimeUp: return "timeup";
    case FrameEventKind::FullscreenToggled: return "fullscreen";
    }
    return "unknown";
}

} // namespace tavernrush
