#pragma once
// Where the pieces of the game's on-screen lettering lie in the generated
// picture assets/textures/hud.png: the countdown's digits, the words and the
// plaque under the win picture. The asset generator paints them into these
// rectangles and the game cuts them out of the same ones, so this header is
// shared by both and holds only rectangles and sizes.

namespace tavernrush::hud {

// Pixels from the picture's top-left corner, as a painter counts them.
struct AtlasRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

inline constexpr int atlasWidth = 1024;
inline constexpr int atlasHeight = 512;

// Digits are all as wide, so the countdown does not jitter as it counts.
inline constexpr int glyphHeight = 96;
inline constexpr int digitWidth = 64;
inline constexpr AtlasRect digit(int value) { return {value * digitWidth, 0, digitWidth, glyphHeight}; }
inline constexpr AtlasRect point{10 * digitWidth, 0, 32, glyphHeight};

inline constexpr AtlasRect timeWord{0, 96, 192, glyphHeight};
inline constexpr AtlasRect bestWord{192, 96, 192, glyphHeight};
// A red ribbon with the words on it.
inline constexpr AtlasRect newBestBadge{384, 96, 512, glyphHeight};
// The wooden plaque the times are written on, six times as wide as high.
inline constexpr AtlasRect plaque{0, 192, 768, 128};

// Every rectangle keeps its ink this far inside its edges, so that the
// smaller mipmaps do not mix in the neighbours.
inline constexpr int inkMargin = 6;

// The board shown while the game is paused, assets/textures/paused.png.
inline constexpr int pausedWidth = 512;
inline constexpr int pausedHeight = 256;

} // namespace tavernrush::hud
