#pragma once
// The desktop icon: the game's gold coin on its warm halo, the two pictures
// the bloom pass makes the coins glow with, so the icon looks like the coin
// the player chases.

#include "RgbaImage.h"

namespace tavernrush::icon {

struct IconLayout {
    // Share of the icon's width the coin covers; the rest is halo, enough of
    // it to read as a glow at 48 pixels too.
    float coinDiameter = 0.78f;
    // The halo picture fades to nothing at its border; strengthened so the
    // ring around the coin is visible rather than a faint smudge.
    float haloGain = 2.5f;
};

// A `size` x `size` picture: `halo` stretched over the whole square, and the
// round part of `coinFace` (the disc inscribed in it) scaled into a centred
// disc with an anti-aliased edge. Either input may be empty and is then left
// out; a size below 1 gives an empty picture.
RgbaImage composeIcon(const RgbaImage& coinFace, const RgbaImage& halo, int size, const IconLayout& layout = {});

} // namespace tavernrush::icon
