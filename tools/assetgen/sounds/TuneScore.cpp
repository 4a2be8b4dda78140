// The tune itself. The A part climbs a G arpeggio and answers it on D; B
// moves to C for contrast; the final A' ends on the tonic an octave apart,
// which leads straight back into the first bar when the loop comes round.
#include "sounds/TuneScore.h"

#include <array>

namespace tavernrush::assetgen {

namespace {

constexpr int rest = -1;
// MIDI numbers of the notes used.
constexpr int F4s = 66, G4 = 67, A4 = 69, B4 = 71, C5 = 72, D5 = 74, E5 = 76, F5s = 78, G5 = 79, A5 = 81, B5 = 83,
              C6 = 84;

std::vector<Bar> partA(bool closing)
{
    std::vector<Bar> bars{
        {Chord::G, {{G4, 1}, {B4, 1}, {D5, 1}, {G5, 1}}},
        {Chord::G, {{B5, 2}, {A5, 1}, {G5, 1}}},
        {Chord::D, {{F5s, 1}, {E5, 1}, {D5, 1}, {C5, 1}}},
        {Chord::D, {{A4, 2}, {F4s, 1}, {G4, 1}}},
        {Chord::D, {{A4, 1}, {D5, 1}, {F5s, 1}, {A5, 1}}},
        {Chord::D7, {{C6, 2}, {B5, 1}, {A5, 1}}},
    };
    if (closing) {
        bars.push_back({Chord::D7, {{B5, 1}, {A5, 1}, {G5, 1}, {F5s, 1}}});
        bars.push_back({Chord::G, {{G5, 2}, {G4, 2}}});
    } else {
        bars.push_back({Chord::C, {{E5, 1}, {G5, 1}, {E5, 1}, {C5, 1}}});
        bars.push_back({Chord::D, {{D5, 2}, {rest, 2}}});
    }
    return bars;
}

std::vector<Bar> partB()
{
    return {
        {Chord::C, {{E5, 1}, {G5, 1}, {C6, 1}, {G5, 1}}},
        {Chord::C, {{E5, 2}, {C5, 2}}},
        {Chord::G, {{D5, 1}, {G5, 1}, {B5, 1}, {G5, 1}}},
        {Chord::G, {{D5, 2}, {B4, 2}}},
        {Chord::D, {{C5, 1}, {D5, 1}, {E5, 1}, {F5s, 1}}},
        {Chord::D, {{A5, 1}, {G5, 1}, {F5s, 1}, {E5, 1}}},
        {Chord::D7, {{F5s, 2}, {A5, 2}}},
        {Chord::G, {{G5, 1}, {D5, 1}, {B4, 1}, {A4, 1}}},
    };
}

} // namespace

std::vector<Bar> tavernTuneScore()
{
    std::vector<Bar> score;
    for (const std::vector<Bar>& part : {partA(false), partA(true), partB(), partA(true)}) {
        score.insert(score.end(), part.begin(), part.end());
    }
    return score;
}

int thirdBelowInG(int midi)
{
    // Pitch classes of G major, from C.
    constexpr std::array<int, 7> scale{0, 2, 4, 6, 7, 9, 11};
    const int octave = midi / 12;
    const int pitchClass = midi % 12;
    for (int degree = 0; degree < 7; ++degree) {
        if (scale[static_cast<std::size_t>(degree)] == pitchClass) {
            const int below = degree - 2;
            return below >= 0 ? octave * 12 + scale[static_cast<std::size_t>(below)]
                              : (octave - 1) * 12 + scale[static_cast<std::size_t>(below + 7)];
        }
    }
    return midi - 3; // not in the key: a minor third
}

} // namespace tavernrush::assetgen
