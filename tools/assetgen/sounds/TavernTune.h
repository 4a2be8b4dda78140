#pragma once
// sounds/tune.ogg: the tavern band playing the tune, a seamless stereo loop.

#include "sounds/Signal.h"

namespace tavernrush::assetgen {

StereoSignal tavernTune();

} // namespace tavernrush::assetgen
