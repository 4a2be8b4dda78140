// Glyph distance fields from stb_truetype, laid out with the font's advances
// and kerning and combined into one shape.
#include "Text.h"

#include <stb_truetype.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <limits>
#include <memory>
#include <stdexcept>

#ifndef TAVERNRUSH_FONT_PATH
#define TAVERNRUSH_FONT_PATH "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
#endif

namespace tavernrush::assetgen {

struct Font::Impl {
    std::vector<unsigned char> data;
    stbtt_fontinfo info{};
};

Font::Font(const std::string& path)
    : impl_(new Impl)
{
    std::ifstream file(path, std::ios::binary);
    impl_->data.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    if (impl_->data.empty()
        || stbtt_InitFont(&impl_->info, impl_->data.data(), stbtt_GetFontOffsetForIndex(impl_->data.data(), 0)) == 0) {
        delete impl_;
        throw std::runtime_error("cannot load the font " + path + " (package fonts-dejavu-core)");
    }
}

Font::~Font()
{
    delete impl_;
}

const Font& Font::standard()
{
    static const Font font(TAVERNRUSH_FONT_PATH);
    return font;
}

const Font& Font::menu()
{
    static const Font font(TAVERNRUSH_MENU_FONT_PATH);
    return font;
}

std::vector<int> decodeUtf8(const std::string& text)
{
    std::vector<int> codepoints;
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        int codepoint = c;
        std::size_t length = 1;
        if (c >= 0xf0 && i + 3 < text.size()) {
            codepoint = ((c & 0x07) << 18) | ((text[i + 1] & 0x3f) << 12) | ((text[i + 2] & 0x3f) << 6) | (text[i + 3] & 0x3f);
            length = 4;
        } else if (c >= 0xe0 && i + 2 < text.size()) {
            codepoint = ((c & 0x0f) << 12) | ((text[i + 1] & 0x3f) << 6) | (text[i + 2] & 0x3f);
            length = 3;
        } else if (c >= 0xc0 && i + 1 < text.size()) {
            codepoint = ((c & 0x1f) << 6) | (text[i + 1] & 0x3f);
            length = 2;
        }
        codepoints.push_back(codepoint);
        i += length;
    }
    return codepoints;
}

std::string encodeUtf8(int cp)
{
    std::string out;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xc0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3f));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xe0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3f));
        out += static_cast<char>(0x80 | (cp & 0x3f));
    } else {
        out += static_cast<char>(0xf0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3f));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3f));
        out += static_cast<char>(0x80 | (cp & 0x3f));
    }
    return out;
}

std::vector<float> textAdvances(const std::string& utf8, const TextStyle& style, const Font& font)
{
    const stbtt_fontinfo& info = font.impl().info;
    const float scale = stbtt_ScaleForPixelHeight(&info, style.pixelHeight);
    const std::vector<int> codepoints = decodeUtf8(utf8);
    std::vector<float> advances;
    for (std::size_t i = 0; i < codepoints.size(); ++i) {
        int advance = 0;
        int bearing = 0;
        stbtt_GetCodepointHMetrics(&info, codepoints[i], &advance, &bearing);
        float a = static_cast<float>(advance) * scale + style.letterSpacing;
        if (i + 1 < codepoints.size()) {
            a += static_cast<float>(stbtt_GetCodepointKernAdvance(&info, codepoints[i], codepoints[i + 1])) * scale;
        }
        advances.push_back(a);
    }
    return advances;
}

namespace {

struct GlyphField {
    std::vector<unsigned char> values; // stb's distance field, 128 on the edge
    int width = 0;
    int height = 0;
    glm::vec2 origin{0.0f}; // top-left of the field relative to the pen
};

struct LaidOutText {
    std::vector<GlyphField> glyphs;
    Bounds ink;
    float valuePerPixel = 1.0f;
    float maxDistance = 1.0f;
};

constexpr unsigned char edgeValue = 128;

LaidOutText layOut(const std::string& utf8, const TextStyle& style, const Font& font)
{
    const stbtt_fontinfo& info = font.impl().info;
    const float scale = stbtt_ScaleForPixelHeight(&info, style.pixelHeight);
    const int padding = static_cast<int>(std::ceil(style.maxDistance)) + 1;
    LaidOutText text;
    text.maxDistance = static_cast<float>(padding);
    text.valuePerPixel = static_cast<float>(edgeValue) / static_cast<float>(padding);
    text.ink = {glm::vec2(std::numeric_limits<float>::max()), glm::vec2(std::numeric_limits<float>::lowest())};

    const std::vector<int> codepoints = decodeUtf8(utf8);
    float pen = 0.0f;
    for (std::size_t i = 0; i < codepoints.size(); ++i) {
        const int cp = codepoints[i];
        int advance = 0;
        int bearing = 0;
        stbtt_GetCodepointHMetrics(&info, cp, &advance, &bearing);
        int w = 0;
        int h = 0;
        int xoff = 0;
        int yoff = 0;
        unsigned char* values = stbtt_GetCodepointSDF(&info, scale, cp, padding, edgeValue, text.valuePerPixel, &w, &h,
                                                       &xoff, &yoff);
        if (values != nullptr) {
            GlyphField glyph;
            glyph.values.assign(values, values + static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
            glyph.width = w;
            glyph.height = h;
            glyph.origin = glm::vec2(std::round(pen) + static_cast<float>(xoff), static_cast<float>(yoff));
            stbtt_FreeSDF(values, nullptr);
            int x0 = 0;
            int y0 = 0;
            int x1 = 0;
            int y1 = 0;
            stbtt_GetCodepointBitmapBox(&info, cp, scale, scale, &x0, &y0, &x1, &y1);
            const float px = std::round(pen);
            text.ink.min = glm::min(text.ink.min, glm::vec2(px + static_cast<float>(x0), static_cast<float>(y0)));
            text.ink.max = glm::max(text.ink.max, glm::vec2(px + static_cast<float>(x1), static_cast<float>(y1)));
            text.glyphs.push_back(std::move(glyph));
        }
        pen += static_cast<float>(advance) * scale + style.letterSpacing;
        if (i + 1 < codepoints.size()) {
            pen += static_cast<float>(stbtt_GetCodepointKernAdvance(&info, cp, codepoints[i + 1])) * scale;
        }
    }
    if (text.glyphs.empty()) {
        text.ink = {glm::vec2(0.0f), glm::vec2(0.0f)};
    }
    return text;
}

float glyphDistance(const GlyphField& glyph, glm::vec2 p, float valuePerPixel, float maxDistance)
{
    const glm::vec2 local = p - glyph.origin - 0.5f;
    if (local.x < -1.0f || local.y < -1.0f || local.x > static_cast<float>(glyph.width)
        || local.y > static_cast<float>(glyph.height)) {
        return maxDistance;
    }
    const int x0 = static_cast<int>(std::floor(local.x));
    const int y0 = static_cast<int>(std::floor(local.y));
    const float tx = local.x - static_cast<float>(x0);
    const float ty = local.y - static_cast<float>(y0);
    auto value = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= glyph.width || y >= glyph.height) {
            return 0.0f;
        }
        return static_cast<float>(glyph.values[static_cast<std::size_t>(y) * glyph.width + x]);
    };
    const float top = value(x0, y0) * (1 - tx) + value(x0 + 1, y0) * tx;
    const float bottom = value(x0, y0 + 1) * (1 - tx) + value(x0 + 1, y0 + 1) * tx;
    const float v = top * (1 - ty) + bottom * ty;
    return (static_cast<float>(edgeValue) - v) / valuePerPixel;
}

} // namespace

namespace {

// The laid-out text moved by `offset` from its pen's start on the baseline.
Shape placedText(std::shared_ptr<LaidOutText> text, glm::vec2 offset)
{
    Bounds bounds{text->ink.min + offset, text->ink.max + offset};
    return {[text, offset](glm::vec2 p) {
                const glm::vec2 local = p - offset;
                float d = text->maxDistance;
                for (const GlyphField& glyph : text->glyphs) {
                    d = std::min(d, glyphDistance(glyph, local, text->valuePerPixel, text->maxDistance));
                }
                return d;
            },
            bounds.expanded(text->maxDistance + 1.0f)};
}

} // namespace

Shape textShape(const std::string& utf8, glm::vec2 centre, const TextStyle& style, const Font& font)
{
    auto text = std::make_shared<LaidOutText>(layOut(utf8, style, font));
    const glm::vec2 inkCentre = (text->ink.min + text->ink.max) * 0.5f;
    return placedText(text, glm::round(centre - inkCentre));
}

Shape textShapeAt(const std::string& utf8, glm::vec2 pen, const TextStyle& style, const Font& font)
{
    return placedText(std::make_shared<LaidOutText>(layOut(utf8, style, font)), glm::round(pen));
}

glm::vec2 textSize(const std::string& utf8, const TextStyle& style, const Font& font)
{
    const LaidOutText text = layOut(utf8, style, font);
    return text.ink.max - text.ink.min;
}

} // namespace tavernrush::assetgen
