#pragma once
// One frame as a value: everything the renderer draws and everything that
// happened, decided by the rules without a GL context. The renderer draws
// the items and the absolute values below and keeps nothing between frames;
// the named fields say where things are and what happened, for the sound,
// the trace and the tests.

#include "game/Countdown.h"
#include "game/CounterOrbits.h"
#include "game/DrawItem.h"
#include "game/FrameEvent.h"
#include "game/MenuView.h"
#include "game/Picture.h"

#include <glm/glm.hpp>

#include <optional>
#include <string>
#include <vector>

namespace tavernrush {

// The camera of one frame.
struct FrameView {
    glm::mat4 projectionMatrix{1.0f};
    glm::mat4 viewMatrix{1.0f};
    // The camera offset the lit programs take as "camera_world" and "viewPos".
    glm::vec3 cameraPosition{0.0f};
    // The shadow's light follows the player.
    glm::vec3 playerPosition{0.0f};
};

struct ShownPicture {
    Picture picture;
    glm::mat4 boardModel{1.0f};
    // The toilet's picture is also hung while the level is still being drawn,
    // before the board and the counters; it then lights with the normal
    // matrix the level's objects left behind, and that look is kept.
    bool hungWithLevel = false;
};

// How long the run that just won took, in tenths of a second, and the best
// win so far (this one included).
struct WinTime {
    int runTenths = 0;
    int bestTenths = 0;
    // This run beat every earlier win, or is the first.
    bool newBest = false;
};

struct FrameScene {
    FrameView view;
    // The coins are drawn with the camera of the frame before (the start-up
    // camera in the first frame): they trail the view by one frame.
    FrameView coinView;

    // The figure where it stood before this frame's moves; hidden while a
    // picture is up.
    glm::mat4 playerModel{1.0f};
    bool drawPlayer = true;
    // N held: the brick wall without its normal map.
    bool plainWall = false;

    // The coins are drawn up to the first one taken this frame.
    std::vector<glm::mat4> coins;
    std::vector<glm::mat4> beers;
    std::vector<glm::vec3> unicorns;
    // The carried bag; absent while a picture is up.
    std::optional<glm::mat4> bag;
    // In drawing order; a unicorn picture once per unicorn in reach.
    std::vector<ShownPicture> pictures;

    // The picture the board and each counter sphere show; the renderer reads
    // one from its file when it changes.
    std::string animationPicture;
    std::string coinCounterPicture;
    std::string beerCounterPicture;

    // What is drawn, in drawing order.
    std::vector<DrawItem> items;
    // The ambient factor of the ground and of the picture board; H and D
    // move both.
    float groundAmbient = 0.0f;
    float boardAmbient = 0.0f;
    // Where the counter spheres stand.
    CounterTurns counterTurns;
    // This frame's time; 0 while paused.
    float deltaTime = 0.0f;

    // F10 was pressed while no picture is up; the window decides whether it
    // can, and adds FullscreenToggled when it did.
    bool fullscreenRequested = false;
    // M was pressed: sound off or back on.
    bool muteToggled = false;
    // F12 was pressed: the shown frame is to be kept as a picture.
    bool screenshotRequested = false;

    // The game stands still: nothing above changed since the last frame
    // (deltaTime is 0), the "PAUSED" board is up, and sound holds its breath.
    bool paused = false;
    // The time left, shown during play; absent while a full-screen picture
    // is up.
    std::optional<CountdownDisplay> countdown;
    // With the win picture: this run's time and the best.
    std::optional<WinTime> winTime;

    // The title, the pause menu or the options over the level; absent in
    // play, and always where the run has no menus (the replay tool's
    // default), which shows the PAUSED board instead.
    std::optional<MenuView> menu;
    // One line under a full-screen picture saying which key ends it.
    std::optional<std::string> prompt;

    std::vector<FrameEvent> events;

    bool has(FrameEventKind kind) const
    {
        for (const FrameEvent& event : events) {
            if (event.kind == kind) {
                return true;
            }
        }
        return false;
    }
};

} // namespace tavernrush
