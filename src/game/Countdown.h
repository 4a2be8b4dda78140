#pragma once
// The time left of the level's limit, as the player reads it on screen.

#include <string>

namespace tavernrush {

// From this many seconds left the countdown shows tenths in a warning colour.
inline constexpr float countdownWarningSeconds = 10.0f;

struct CountdownDisplay {
    // The limit (say "70") down to "11" in whole seconds, then "10.0" down
    // to "0.1", and "0" once the time is up. Seconds are rounded up: "70"
    // shows until a whole second has gone.
    std::string text;
    // The last ten seconds.
    bool warning = false;
    // 0 to 1 and back once a second of game time, for the warning colour to
    // pulse with; it stands still while the game does.
    float pulse = 0.0f;
};

CountdownDisplay countdownDisplay(float elapsedSeconds, float timeLimitSeconds);

} // namespace tavernrush
