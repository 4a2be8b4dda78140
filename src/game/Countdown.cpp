#include "game/Countdown.h"

#include <cmath>
#include <algorithm>
#include <numbers>

namespace tavernrush {
namespace {

// The game timer sums float frame times and runs a little behind the clock
// over a minute (half a millisecond at 0.1 s a frame): a reading a hair short
// of a step must not hold the number before it up for another frame.
constexpr double roundingSlackSeconds = 0.005;

} // namespace

CountdownDisplay countdownDisplay(float elapsedSeconds, float timeLimitSeconds)
{
    CountdownDisplay display;
    const double left = static_cast<double>(timeLimitSeconds) - static_cast<double>(elapsedSeconds);
    display.warning = left <= static_cast<double>(countdownWarningSeconds);
    display.pulse = static_cast<float>(0.5 + 0.5 * std::cos(2.0 * std::numbers::pi * left));
    if (!(left > 0.0)) {
        display.text = "0";
        return display;
    }
    if (!display.warning) {
        display.text = std::to_string(static_cast<long>(std::ceil(left - roundingSlackSeconds)));
        return display;
    }
    const long tenths = std::max(1L, static_cast<long>(std::ceil((left - roundingSlackSeconds) * 10.0)));
    display.text = std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
    return display;
}

} // namespace tavernrush
