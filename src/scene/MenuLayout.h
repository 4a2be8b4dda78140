#pragma once
// Where the menus and the prompt under a full-screen picture are drawn, as
// plain rectangles cut from the letters' picture (LetterAtlas.h): a wooden
// board, the heading, the notes, one row per entry with its value or
// slider, the message under them. Sizes follow the image's shorter side, so
// the menus read the same at 800 x 800 and full screen. No GL here.

#include "game/MenuView.h"
#include "scene/HudLayout.h"

#include <glm/glm.hpp>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavernrush {

// Quads drawn in one colour; the letters are painted white.
struct TintedQuads {
    glm::vec3 tint{1.0f};
    std::vector<HudQuad> quads;
};

// Where one entry lies: its row, and its slider's track where it has one.
struct MenuRow {
    glm::vec2 from{0.0f};
    glm::vec2 to{0.0f};
    std::optional<glm::vec2> sliderFrom;
    std::optional<glm::vec2> sliderTo;
    bool contains(glm::vec2 point) const
    {
        return point.x >= from.x && point.x <= to.x && point.y >= from.y && point.y <= to.y;
    }
};

// Each entry's row, for the mouse: pixels of an image `imageSize` large, y downwards.
std::vector<MenuRow> menuRows(const MenuView& menu, glm::ivec2 imageSize);

// In drawing order, in pixels of an image `imageSize` large, y downwards.
std::vector<TintedQuads> menuQuads(const MenuView& menu, glm::ivec2 imageSize);
std::vector<TintedQuads> promptQuads(std::string_view prompt, glm::ivec2 imageSize);

// The letters of `text` from `origin` (top-left), each `height` high.
std::vector<HudQuad> letterRow(std::string_view text, glm::vec2 origin, float height);
float letterRowWidth(std::string_view text, float height);

} // namespace tavernrush
