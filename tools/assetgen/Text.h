#pragma once
// Text as a distance-field shape, from the TrueType outlines of one bold font.
// A distance field instead of a coverage bitmap lets every picture draw crisp
// letters with outlines and drop shadows of any width.

#include "Shape.h"

#include <string>
#include <vector>

namespace tavernrush::assetgen {

class Font {
public:
    // Loads the font file; throws std::runtime_error naming the path when the
    // file is missing or not a TrueType font.
    explicit Font(const std::string& path);
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    // The font every picture uses (DejaVu Sans Bold), loaded on first use.
    static const Font& standard();
    // The menus' font (DejaVu Sans Mono Bold): every letter as wide.
    static const Font& menu();

    struct Impl;
    const Impl& impl() const { return *impl_; }

private:
    Impl* impl_;
};

struct TextStyle {
    float pixelHeight = 32.0f;    // font size: ascent to descent in pixels
    float letterSpacing = 0.0f;   // extra pixels between letters
    float maxDistance = 8.0f;     // how far outside the letters the field is exact
};

// The text's ink centred on `centre`.
Shape textShape(const std::string& utf8, glm::vec2 centre, const TextStyle& style, const Font& font = Font::standard());
// The text with its pen starting at `pen`, on the baseline through it.
Shape textShapeAt(const std::string& utf8, glm::vec2 pen, const TextStyle& style, const Font& font = Font::standard());
// Width and height of the text's ink in pixels.
glm::vec2 textSize(const std::string& utf8, const TextStyle& style, const Font& font = Font::standard());

// Pen advance of each letter (kerning with the next one included), pixels.
std::vector<float> textAdvances(const std::string& utf8, const TextStyle& style, const Font& font = Font::standard());
// UTF-8 of one code point.
std::string encodeUtf8(int codepoint);

// Decodes UTF-8 (enough for the umlauts the signs use).
std::vector<int> decodeUtf8(const std::string& text);

} // namespace tavernrush::assetgen
