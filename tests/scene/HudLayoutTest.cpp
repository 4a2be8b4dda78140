// The win plaque's lettering, read back from its pieces: which part of the
// lettering picture each piece shows, in drawing order.

#include "scene/HudLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace tavernrush {
namespace {

bool shows(const HudQuad& quad, const hud::AtlasRect& rect)
{
    const HudQuad piece = pictureQuad({}, {}, rect, {hud::atlasWidth, hud::atlasHeight});
    return quad.uvFrom == piece.uvFrom && quad.uvTo == piece.uvTo;
}

// The plaque's pieces as text: T and B for the words, ! for the ribbon.
std::string lettering(const std::vector<HudQuad>& quads)
{
    std::vector<std::pair<hud::AtlasRect, char>> pieces{
        {hud::plaque, '_'}, {hud::timeWord, 'T'}, {hud::bestWord, 'B'}, {hud::newBestBadge, '!'}, {hud::point, '.'}};
    for (int value = 0; value < 10; ++value) {
        pieces.emplace_back(hud::digit(value), static_cast<char>('0' + value));
    }
    std::string text;
    for (const HudQuad& quad : quads) {
        char shown = '?';
        for (const auto& [rect, letter] : pieces) {
            if (shows(quad, rect)) {
                shown = letter;
            }
        }
        text += shown;
    }
    return text;
}

TEST(HudLayout, TheWinPlaqueShowsTheRunsTimeThenTheBestAndTheRibbonOnlyForANewBest)
{
    EXPECT_EQ(lettering(winPlaqueQuads(WinTime{316, 298, false})), "_T31.6B29.8");
    EXPECT_EQ(lettering(winPlaqueQuads(WinTime{287, 287, true})), "_T28.7B28.7!");
}

} // namespace
} // namespace tavernrush
