// The arrangement: accordion on the tune, "oom" on the beats (root, then
// fifth), "pah" chords and a brush on the off-beats. Notes are mixed into
// the loop with wrap-round, so the last notes' tails are already under the
// first bar when the loop repeats.
#include "sounds/TavernTune.h"

#include "sounds/Oscillator.h"
#include "sounds/TuneScore.h"
#include "sounds/TuneVoices.h"

#include <array>

namespace tavernrush::assetgen {

namespace {

struct ChordNotes {
    int bassRoot;
    int bassFifth;
    std::array<int, 3> voicing; // close voicing around middle C
};

ChordNotes notesOf(Chord chord)
{
    switch (chord) {
    case Chord::G: return {43, 38, {59, 62, 67}};
    case Chord::C: return {48, 43, {60, 64, 67}};
    case Chord::D: return {50, 45, {57, 62, 66}};
    case Chord::D7: return {50, 45, {57, 60, 66}};
    }
    return {43, 38, {59, 62, 67}};
}

long eighthSample(int eighth)
{
    return sampleCount(eighth * secondsPerEighth);
}

} // namespace

StereoSignal tavernTune()
{
    const std::vector<Bar> score = tavernTuneScore();
    const int totalEighths = static_cast<int>(score.size()) * eighthsPerBar;
    const auto loop = static_cast<std::size_t>(eighthSample(totalEighths));
    StereoSignal out{Signal(loop), Signal(loop)};
    const std::array<Signal, 2> brushes{brush(201u), brush(202u)};
    // The last A' gets a second accordion a third below.
    const int harmonyFrom = static_cast<int>(score.size()) - 8;

    for (int barIndex = 0; barIndex < static_cast<int>(score.size()); ++barIndex) {
        const Bar& bar = score[static_cast<std::size_t>(barIndex)];
        const int barStart = barIndex * eighthsPerBar;
        const ChordNotes chord = notesOf(bar.chord);

        int eighth = barStart;
        for (const MelodyNote& note : bar.melody) {
            if (note.midi >= 0) {
                // Accent on the beat; slightly detached, as bellows players do.
                const float accent = (eighth - barStart) == 0 ? 1.0f : ((eighth - barStart) % 2 == 0 ? 0.9f : 0.8f);
                const float held = static_cast<float>(note.eighths * secondsPerEighth) * 0.82f;
                mixPannedWrapped(out, accordionNote(midiFrequency(note.midi), held), eighthSample(eighth), 0.55f * accent,
                                 -0.1f);
                if (barIndex >= harmonyFrom) {
                    mixPannedWrapped(out, accordionNote(midiFrequency(thirdBelowInG(note.midi)), held),
                                     eighthSample(eighth), 0.3f * accent, 0.25f);
                }
            }
            eighth += note.eighths;
        }

        mixPannedWrapped(out, bassNote(midiFrequency(chord.bassRoot), 0.18f), eighthSample(barStart), 0.55f, 0.0f);
        mixPannedWrapped(out, bassNote(midiFrequency(chord.bassFifth), 0.18f), eighthSample(barStart + 2), 0.5f, 0.0f);
        for (int offBeat : {1, 3}) {
            const float spread[] = {0.2f, 0.35f, 0.5f};
            for (std::size_t v = 0; v < chord.voicing.size(); ++v) {
                mixPannedWrapped(out, pluckNote(midiFrequency(chord.voicing[v])), eighthSample(barStart + offBeat), 0.16f,
                                 spread[v]);
            }
            mixPannedWrapped(out, brushes[static_cast<std::size_t>(offBeat / 2)], eighthSample(barStart + offBeat), 0.12f,
                             0.25f);
        }
    }
    normalisePeak(out, -4.0f);
    return out;
}

} // namespace tavernrush::assetgen
