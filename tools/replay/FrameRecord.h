#pragma once
// What the replay trace records about one finished frame.

#include "game/FrameEvent.h"
#include "game/Picture.h"

#include <glm/glm.hpp>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tavernrush {

class FrameLoop;

struct FrameRecord {
    long frame = 0;
    float deltaTime = 0.0f;
    float gameTimer = 0.0f;
    bool screenShown = false;
    bool paused = false;
    // The menu up in this frame ("pause") and its selected entry ("resume");
    // none in play.
    std::optional<std::pair<std::string, std::string>> menu;
    int coins = 0;
    int beers = 0;
    glm::vec3 player{0.0f};
    glm::vec3 direction{0.0f};
    bool onLadderTop = false;
    bool jumpActive = false;
    float jumpCooldown = 0.0f;
    glm::vec3 cameraPosition{0.0f};
    float cameraYaw = 0.0f;
    float cameraPitch = 0.0f;
    float fieldOfView = 0.0f;
    bool isFullscreen = false;
    int frameAnimIndex = 0;
    std::vector<Picture> pictures;
    // What happened in the frame, in order.
    std::vector<FrameEventKind> events;
    std::vector<glm::vec3> unicorns;
    std::vector<glm::vec3> beerPositions;
    std::vector<glm::vec3> coinPositions;
    // The fraction of the window the scene was drawn at; only runs whose
    // settings scale it say so, so the default traces stay as they were.
    std::optional<float> renderScale;
};

// Reads the loop right after a frame, before the next one starts.
FrameRecord recordFrame(const FrameLoop& loop);

} // namespace tavernrush
