#include "app/GameSound.h"

#include <chrono>

namespace tavernrush {

void GameSound::frameShown(const FrameScene& scene)
{
    audio_.keepOutput(std::chrono::steady_clock::now());
    audio_.startMusic();
    if (scene.muteToggled) {
        audio_.toggleMute();
    }
    // Everything holds while the game stands still, the music too.
    audio_.setPaused(scene.paused);
    // The camera's place and axes in the world, from the inverse view.
    const glm::mat4 camera = glm::inverse(scene.view.viewMatrix);
    audio_.setListener(glm::vec3(camera[3]), -glm::vec3(camera[2]), glm::vec3(camera[1]));
    audio_.play(scene.events);
}

} // namespace tavernrush
