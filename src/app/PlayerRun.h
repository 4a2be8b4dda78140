#pragma once
// The player's own game: the keys, mouse and gamepad read once before each
// frame, the run kept in the run folder as it is played, and the level's
// best run raced as a ghost.

#include "app/GameRun.h"
#include "app/GlfwInput.h"
#include "app/RunRecord.h"
#include "app/SampledInput.h"

#include <optional>
#include <string>

namespace tavernrush {

class PlayerRunHooks : public RunHooks {
public:
    const InputSource& input(GameWindow& window, const Settings& settings) override;
    Clock& clock() override { return clock_; }
    void play(GameWindow& window, FrameLoop& loop) override;
    void rebind(const Controls& controls, bool pauseOnFocusLoss) override;
    bool playLevel(const std::string& name) override
    {
        nextLevel = name;
        return true;
    }

    // The level the title chose for the next run.
    std::optional<std::string> nextLevel;

private:
    std::optional<GlfwInput> live_;
    std::optional<SampledInput> sampled_;
    GlfwClock clock_;
    bool ghostShown_ = true;
    glm::ivec2 windowSize_{0};
};

// The header a run of `rules`'s level in a window of `size` starts with.
RunHeader runHeaderFor(const FrameRules& rules, glm::ivec2 size);

} // namespace tavernrush
