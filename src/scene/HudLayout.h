#pragma once
// Where the lettering goes, as plain rectangles: the countdown in the
// top-left corner of the image, the PAUSED board in its middle, and the
// times on the plaque under the win picture. No GL here, so the layout can
// be checked without a window.

#include "game/FrameScene.h"
#include "scene/HudAtlas.h"

#include <glm/glm.hpp>

#include <string_view>
#include <vector>

namespace tavernrush {

// One piece of a picture drawn into a rectangle.
struct HudQuad {
    glm::vec2 from{0.0f};
    glm::vec2 to{0.0f};
    // Texture coordinates of the piece's corners at `from` and `to`.
    glm::vec2 uvFrom{0.0f};
    glm::vec2 uvTo{0.0f};
};

// The piece `rect` of a picture of `size` pixels drawn from `from` to `to`,
// the picture's top edge towards `from.y`.
HudQuad pictureQuad(glm::vec2 from, glm::vec2 to, const hud::AtlasRect& rect, glm::ivec2 size);

// The digits and points of `text` side by side from `origin`, each `height`
// high, growing towards +x and towards `down` (+1 for y downwards, -1 for y
// upwards). Characters the atlas lacks are left out.
std::vector<HudQuad> glyphRow(std::string_view text, glm::vec2 origin, float height, float down);
// How wide glyphRow draws `text`.
float glyphRowWidth(std::string_view text, float height);

// The countdown in an image `imageSize` pixels large, y downwards: in the
// top-left corner, small enough to stay clear of the counter spheres, the
// animation board and the figure in the middle.
std::vector<HudQuad> countdownQuads(std::string_view text, glm::ivec2 imageSize);
// The PAUSED board in the middle of the image, y downwards.
HudQuad pausedBoardQuad(glm::ivec2 imageSize);

// The plaque under the win picture, in the picture's own frame: x to the
// right, y up, the 7 x 7 picture centred on the origin. The plaque first,
// then the lettering on it, then the NEW BEST! ribbon where it is one.
std::vector<HudQuad> winPlaqueQuads(const WinTime& win);

// The countdown's share of the image height, and its margins.
inline constexpr float countdownHeightShare = 0.1f;
inline constexpr float countdownMarginShare = 0.02f;
// Glyph cells have empty edges; the glyphs stand closer than the cells are wide.
inline constexpr float glyphAdvanceShare = 0.8f;

} // namespace tavernrush
