#pragma once
// The short cues of the player's own actions: catching a coin, drinking a
// beer, jumping, landing, stepping onto the ladder and restarting.

#include "sounds/Signal.h"

namespace tavernrush::assetgen {

Signal coinChime();     // two bell strikes a fourth apart, rising
Signal beerGulp();      // three swallows over a fizz of small bubbles
Signal jumpHop();       // a quick upward glide with a push of air
Signal landThud();      // a low falling thump and a scuff of grass
Signal ladderClack();   // two knocks on a hollow wooden rung
Signal rewindWarble();  // tape wound back: a rising, stuttering whirr

} // namespace tavernrush::assetgen
