#pragma once
// The cues of the full-screen pictures that are not voices: the win
// fanfare, the time-up buzzer and the toilet hut's door and flush.

#include "sounds/Signal.h"

namespace tavernrush::assetgen {

Signal winFanfare();   // brass call: three quick pick-ups and a held major chord
Signal timeUpBuzzer(); // a short and a long blare of two rough tones a semitone apart
Signal toiletFlush();  // a creaking door, then the rush and gurgle of the flush

} // namespace tavernrush::assetgen
