#pragma once
// Loudness over the life of a note: the attack-decay-sustain-release shape of
// held notes, and the strike-and-ring shape of struck and plucked ones.

namespace tavernrush::assetgen {

struct Adsr {
    float attack = 0.01f;  // seconds from silence to full
    float decay = 0.05f;   // seconds from full down to the sustain level
    float sustain = 0.8f;  // level while the note is held
    float release = 0.05f; // seconds from the level at let-go to silence

    // Level at `t` seconds into a note let go after `held` seconds.
    float at(float t, float held) const;
    // How long the note sounds, release included.
    float length(float held) const { return held + release; }
};

// A linear rise over `attack` seconds, then an exponential ring-out with time
// constant `decay`: bells, plucks, thuds.
float strike(float t, float attack, float decay);

// 0 outside [start, start + length], a raised-cosine bump inside: the
// envelope of a single chirp or glug.
float bump(float t, float start, float length);

} // namespace tavernrush::assetgen
