#include "game/Countdown.h"

#include "game/GameState.h"

#include <cmath>
#include <algorithm>
#include <numbers>

namespace tavernrush {
namespace {

// The game timer sums float frame times; a reading a hair past a whole
// second must not flash the next number up for a frame.
constexpr double roundingSlack = 1e-3;

} // namespace

CountdownDisplay countdownDisplay(float gameTimer)
{
    CountdownDisplay display;
    const double left = static_cast<double>(gameSeconds) - static_cast<double>(gameTimer);
    display.warning = left <= static_cast<double>(countdownWarningSeconds);
    display.pulse = static_cast<float>(0.5 + 0.5 * std::cos(2.0 * std::numbers::pi * left));
    if (!(left > 0.0)) {
        display.text = "0";
        return display;
    }
    if (!display.warning) {
        display.text = std::to_string(static_cast<long>(std::ceil(left - roundingSlack)));
        return display;
    }
    const long tenths = std::max(1L, static_cast<long>(std::ceil(left * 10.0 - roundingSlack)));
    display.text = std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
    return display;
}

} // namespace tavernrush
