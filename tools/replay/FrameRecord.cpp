#include "replay/FrameRecord.h"

#include "app/FrameLoop.h"

namespace tavernrush {

FrameRecord recordFrame(const FrameLoop& loop)
{
    const FrameRules& rules = loop.rules();
    const GameState& state = rules.state();
    const PlayerState& player = state.player;
    const CameraState& camera = rules.camera();
    FrameRecord record;
    record.frame = loop.frameNumber();
    // The state already holds the next frame's time; the trace wants the one
    // this frame ran with.
    record.deltaTime = loop.frameDeltaTime();
    record.gameTimer = state.gameTimer;
    record.screenShown = state.screenShown;
    record.paused = rules.paused();
    if (const auto& menu = loop.scene().menu) {
        const MenuEntry* selected = menu->selectedEntry();
        record.menu.emplace(std::string(menuScreenName(menu->screen)), selected ? selected->id : "");
    }
    record.coins = rules.coinField().collected;
    record.beers = rules.beerField().collected;
    record.player = player.playerPosition;
    record.direction = player.playerDirection;
    record.onLadderTop = player.onLadderTop;
    record.jumpActive = player.jumpActive;
    record.jumpCooldown = player.jumpCooldown;
    record.cameraPosition = camera.cameraPosition;
    record.cameraYaw = camera.cameraYaw;
    record.cameraPitch = camera.cameraPitch;
    record.fieldOfView = camera.fieldOfView;
    record.isFullscreen = loop.isFullscreen();
    record.frameAnimIndex = state.frameAnimIndex;
    for (const ShownPicture& shown : loop.scene().pictures) {
        record.pictures.push_back(shown.picture);
    }
    for (const FrameEvent& event : loop.scene().events) {
        record.events.push_back(event.kind);
    }
    record.unicorns = rules.unicornPositions();
    record.beerPositions = rules.beerField().positions();
    record.coinPositions = rules.coinField().positions();
    return record;
}

} // namespace tavernrush
