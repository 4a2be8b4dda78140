#pragma once
// Where the menus' letters and boards lie in the generated picture
// assets/textures/letters.png: every printable ASCII letter in a cell of
// its own, the wooden board the menus stand on, the bar behind the selected
// entry and a slider's track and fill. The asset generator paints them into
// these rectangles and the game cuts them out of the same ones.

#include "scene/HudAtlas.h"

namespace tavernrush::letters {

using hud::AtlasRect;

inline constexpr int atlasWidth = 1024;
inline constexpr int atlasHeight = 1024;

inline constexpr int firstLetter = 32; // space
inline constexpr int lastLetter = 126; // '~'
inline constexpr int columns = 16;
inline constexpr int cellWidth = 64;
inline constexpr int cellHeight = 96;
// The font's size in the cells (ascent to descent), where its pen starts
// and where the baseline runs, in pixels from the cell's corner.
inline constexpr float pixelHeight = 68.0f;
inline constexpr float penX = 14.0f;
inline constexpr float baselineY = 68.0f;
// Every letter moves the pen this far: the menu font is monospaced.
inline constexpr float advance = 35.0f;

// The cell of `c`, or of '?' for a character without one.
constexpr AtlasRect cell(char c)
{
    int code = static_cast<unsigned char>(c);
    if (code < firstLetter || code > lastLetter) {
        code = '?';
    }
    const int index = code - firstLetter;
    return {(index % columns) * cellWidth, (index / columns) * cellHeight, cellWidth, cellHeight};
}

// Below the six rows of letters.
inline constexpr AtlasRect selectionBar{0, 576, 512, 64};
inline constexpr AtlasRect sliderTrack{512, 576, 256, 64};
inline constexpr AtlasRect sliderFill{768, 576, 256, 64};
// The board, drawn in nine pieces so its frame keeps its width at any size:
// corners of `boardCorner` pixels stay square, the edges and middle stretch.
inline constexpr AtlasRect board{0, 640, 1024, 384};
inline constexpr int boardCorner = 64;

} // namespace tavernrush::letters
