#pragma once
// The two picture cues that are voices: the drunk picture's hiccups and the
// unicorn's whinny.

#include "sounds/Signal.h"

namespace tavernrush::assetgen {

Signal drunkHiccup();  // two "hic"s, the second lower and sleepier
Signal unicornWhinny(); // a high neigh shaking its way down, ending in a snort

} // namespace tavernrush::assetgen
