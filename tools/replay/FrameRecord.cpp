#include "replay/FrameRecord.h"

#include "app/FrameLoop.h"

namespace tavernrush {

FrameRecord recordFrame(const FrameLoop& loop)
{
    const GameState& state = loop.state();
    const PlayerState& player = state.player;
    const CameraState& camera = loop.camera();
    FrameRecord record;
    record.frame = loop.frameNumber();
    // The state already holds the next frame's time; the trace wants the one
    // this frame ran with.
    record.deltaTime = loop.frameDeltaTime();
    record.gameTimer = state.gameTimer;
    record.screenShown = state.screenShown;
    record.coins = loop.coinField().collected;
    record.beers = loop.beerField().collected;
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
    record.pictures = loop.picturesThisFrame();
    record.unicorns = loop.unicornPositions();
    record.beerPositions = loop.beerField().positions();
    record.coinPositions = loop.coinField().positions();
    return record;
}

} // namespace tavernrush
