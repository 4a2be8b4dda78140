#pragma once
// sounds/ambience.ogg: wind over the meadow and birds now and then, a
// seamless stereo loop.

#include "sounds/Signal.h"

namespace tavernrush::assetgen {

inline constexpr double ambienceLoopSeconds = 16.0;

StereoSignal meadowAmbience();

} // namespace tavernrush::assetgen
