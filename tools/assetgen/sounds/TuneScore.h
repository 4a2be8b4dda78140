#pragma once
// The notes of the tavern tune: a polka in G major, two beats to the bar,
// written on a grid of eighth notes. Four eight-bar parts, A A' B A', make
// 32 bars; at 120 beats a minute that is 32 seconds before it repeats.

#include <vector>

namespace tavernrush::assetgen {

enum class Chord { G, C, D, D7 };

struct MelodyNote {
    int midi;    // -1 is a rest
    int eighths; // length on the grid
};

struct Bar {
    Chord chord;
    std::vector<MelodyNote> melody; // four eighths in all
};

inline constexpr int eighthsPerBar = 4;
inline constexpr double secondsPerEighth = 0.25;

// All 32 bars in playing order.
std::vector<Bar> tavernTuneScore();

// The diatonic third below a note of G major: the second accordion's part
// in the last A'.
int thirdBelowInG(int midi);

} // namespace tavernrush::assetgen
