#include "scene/MenuLayout.h"

#include "scene/LetterAtlas.h"

#include <algorithm>

namespace tavernrush {
namespace {

constexpr glm::ivec2 atlasSize{letters::atlasWidth, letters::atlasHeight};
constexpr glm::vec3 white{1.0f};
constexpr glm::vec3 gold{1.0f, 0.85f, 0.4f};
constexpr glm::vec3 paleBlue{0.75f, 0.85f, 1.0f};
constexpr glm::vec3 sliderGreen{0.55f, 0.85f, 0.45f};

// Pixel sizes at an image 800 pixels on its shorter side.
constexpr float designSide = 800.0f;
constexpr float headingHeight = 84.0f;
constexpr float noteHeight = 36.0f;
constexpr float entryHeight = 40.0f;
// With many entries (the controls) the rows close up.
constexpr float crowdedEntryHeight = 33.0f;
constexpr int crowdedEntries = 10;
constexpr float rowGap = 1.12f;
constexpr float boardPadding = 34.0f;
constexpr float boardWidthShare = 0.9f;
constexpr float widestBoardShare = 1.1f;
constexpr float sliderWidth = 180.0f;
constexpr float promptHeight = 34.0f;

HudQuad atlasQuad(glm::vec2 from, glm::vec2 to, const hud::AtlasRect& rect)
{
    return pictureQuad(from, to, rect, atlasSize);
}

// The board in nine pieces: square corners, stretched edges and middle.
std::vector<HudQuad> boardQuads(glm::vec2 from, glm::vec2 to, float corner)
{
    const letters::AtlasRect& board = letters::board;
    const int c = letters::boardCorner;
    const int xs[4] = {board.x, board.x + c, board.x + board.width - c, board.x + board.width};
    const int ys[4] = {board.y, board.y + c, board.y + board.height - c, board.y + board.height};
    corner = std::min({corner, (to.x - from.x) * 0.5f, (to.y - from.y) * 0.5f});
    const float px[4] = {from.x, from.x + corner, to.x - corner, to.x};
    const float py[4] = {from.y, from.y + corner, to.y - corner, to.y};
    std::vector<HudQuad> quads;
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const hud::AtlasRect piece{xs[column], ys[row], xs[column + 1] - xs[column], ys[row + 1] - ys[row]};
            quads.push_back(atlasQuad({px[column], py[row]}, {px[column + 1], py[row + 1]}, piece));
        }
    }
    return quads;
}

void append(std::vector<HudQuad>& to, const std::vector<HudQuad>& quads)
{
    to.insert(to.end(), quads.begin(), quads.end());
}

} // namespace

float letterRowWidth(std::string_view text, float height)
{
    return static_cast<float>(text.size()) * letters::advance / static_cast<float>(letters::cellHeight) * height;
}

std::vector<HudQuad> letterRow(std::string_view text, glm::vec2 origin, float height)
{
    const float scale = height / static_cast<float>(letters::cellHeight);
    std::vector<HudQuad> quads;
    // The pen starts penX into the first cell.
    float x = origin.x - letters::penX * scale;
    for (const char c : text) {
        if (c != ' ') {
            const glm::vec2 from(x, origin.y);
            quads.push_back(atlasQuad(from, from + glm::vec2(letters::cellWidth, letters::cellHeight) * scale,
                                      letters::cell(c)));
        }
        x += letters::advance * scale;
    }
    return quads;
}

namespace {

// Where everything of a menu goes, worked out once for drawing and the mouse.
struct MenuPlaces {
    float unit = 1.0f;
    float entryHeight = 0.0f;
    float noteHeight = 0.0f;
    float headingHeight = 0.0f;
    float padding = 0.0f;
    glm::vec2 boardFrom{0.0f};
    glm::vec2 boardTo{0.0f};
    float headingY = 0.0f;
    std::vector<float> noteYs;
    std::vector<MenuRow> rows;
    float messageY = 0.0f;
};

MenuPlaces placeMenu(const MenuView& menu, glm::vec2 image)
{
    MenuPlaces places;
    places.unit = std::min(image.x, image.y) / designSide;
    const bool crowded = static_cast<int>(menu.entries.size()) > crowdedEntries;
    const float entry = (crowded ? crowdedEntryHeight : entryHeight) * places.unit;
    const float note = noteHeight * places.unit;
    const float padding = boardPadding * places.unit;
    places.entryHeight = entry;
    places.noteHeight = note;
    places.headingHeight = headingHeight * places.unit;
    places.padding = padding;

    float contentHeight = places.headingHeight * rowGap + static_cast<float>(menu.notes.size()) * note * rowGap +
                          static_cast<float>(menu.entries.size()) * entry * rowGap;
    if (!menu.notes.empty()) {
        contentHeight += note * 0.5f;
    }
    if (!menu.message.empty()) {
        contentHeight += note * rowGap * 1.4f;
    }
    // In a wide window the board keeps to the middle instead of stretching.
    const float boardWidth = std::min(image.x * boardWidthShare, image.y * widestBoardShare);
    places.boardFrom = glm::vec2((image.x - boardWidth) * 0.5f,
                                 std::max(0.0f, (image.y - contentHeight - 2.0f * padding) * 0.5f));
    places.boardTo = glm::vec2(places.boardFrom.x + boardWidth, places.boardFrom.y + contentHeight + 2.0f * padding);

    const float left = places.boardFrom.x + padding;
    const float right = places.boardTo.x - padding;
    float y = places.boardFrom.y + padding;
    places.headingY = y;
    y += places.headingHeight * rowGap;
    for (std::size_t i = 0; i < menu.notes.size(); ++i) {
        places.noteYs.push_back(y);
        y += note * rowGap;
    }
    if (!menu.notes.empty()) {
        y += note * 0.5f;
    }
    for (const MenuEntry& item : menu.entries) {
        MenuRow row;
        row.from = {left - padding * 0.4f, y - entry * 0.06f};
        row.to = {right + padding * 0.4f, y + entry * 1.04f};
        if (item.slider) {
            const float valueRight = right - padding * 0.3f;
            row.sliderFrom = glm::vec2(valueRight - sliderWidth * places.unit, y + entry * 0.25f);
            row.sliderTo = glm::vec2(valueRight, y + entry * 0.75f);
        }
        places.rows.push_back(row);
        y += entry * rowGap;
    }
    places.messageY = y + note * rowGap * 0.4f;
    return places;
}

} // namespace

std::vector<MenuRow> menuRows(const MenuView& menu, glm::ivec2 imageSize)
{
    return placeMenu(menu, glm::vec2(imageSize)).rows;
}

std::vector<TintedQuads> menuQuads(const MenuView& menu, glm::ivec2 imageSize)
{
    const glm::vec2 image(imageSize);
    const MenuPlaces places = placeMenu(menu, image);
    const float entry = places.entryHeight;
    const float note = places.noteHeight;
    const float heading = places.headingHeight;
    const float padding = places.padding;

    TintedQuads board{white, boardQuads(places.boardFrom, places.boardTo, letters::boardCorner * 0.6f * places.unit)};
    TintedQuads bars{white, {}};
    TintedQuads tracks{white, {}};
    TintedQuads fills{sliderGreen, {}};
    TintedQuads plain{white, {}};
    TintedQuads highlighted{gold, {}};
    TintedQuads notes{paleBlue, {}};

    append(highlighted.quads, letterRow(menu.heading, {(image.x - letterRowWidth(menu.heading, heading)) * 0.5f,
                                                       places.headingY},
                                        heading));
    for (std::size_t i = 0; i < menu.notes.size(); ++i) {
        const std::string& line = menu.notes[i];
        append(notes.quads, letterRow(line, {(image.x - letterRowWidth(line, note)) * 0.5f, places.noteYs[i]}, note));
    }
    for (std::size_t i = 0; i < menu.entries.size(); ++i) {
        const MenuEntry& item = menu.entries[i];
        const MenuRow& row = places.rows[i];
        const float y = row.from.y + entry * 0.06f;
        const bool selected = static_cast<int>(i) == menu.selected;
        if (selected) {
            bars.quads.push_back(atlasQuad(row.from, row.to, letters::selectionBar));
        }
        TintedQuads& text = selected ? highlighted : plain;
        append(text.quads, letterRow(item.label, {row.from.x + padding * 0.7f, y}, entry));
        float valueRight = row.to.x - padding * 0.7f;
        if (row.sliderFrom && row.sliderTo) {
            const glm::vec2 from = *row.sliderFrom;
            const glm::vec2 to = *row.sliderTo;
            tracks.quads.push_back(atlasQuad(from, to, letters::sliderTrack));
            const float share = std::clamp(item.slider.value_or(0.0f), 0.0f, 1.0f);
            if (share > 0.0f) {
                fills.quads.push_back(atlasQuad(from, {from.x + (to.x - from.x) * share, to.y}, letters::sliderFill));
            }
            valueRight = from.x - padding * 0.4f;
        }
        append(text.quads, letterRow(item.value, {valueRight - letterRowWidth(item.value, entry), y}, entry));
    }
    if (!menu.message.empty()) {
        append(highlighted.quads, letterRow(menu.message, {(image.x - letterRowWidth(menu.message, note)) * 0.5f,
                                                           places.messageY},
                                            note));
    }
    return {board, bars, tracks, fills, notes, plain, highlighted};
}

std::vector<TintedQuads> promptQuads(std::string_view prompt, glm::ivec2 imageSize)
{
    const glm::vec2 image(imageSize);
    const float unit = std::min(image.x, image.y) / designSide;
    const float height = promptHeight * unit;
    const float padding = height * 0.6f;
    const float width = letterRowWidth(prompt, height);
    // Along the bottom edge, under the picture board.
    const glm::vec2 textFrom((image.x - width) * 0.5f, image.y - height - 2.0f * padding);
    const glm::vec2 boardFrom = textFrom - glm::vec2(padding * 1.6f, padding);
    const glm::vec2 boardTo = textFrom + glm::vec2(width + padding * 1.6f, height + padding);
    return {TintedQuads{white, boardQuads(boardFrom, boardTo, letters::boardCorner * 0.4f * unit)},
            TintedQuads{gold, letterRow(prompt, textFrom, height)}};
}

} // namespace tavernrush
