#include "engine/render/text.h"

#include <algorithm>

namespace tk {

namespace {

// a * b / 255, rounded, the way a coverage mixes a colour into what lies under it.
unsigned mul255(unsigned a, unsigned b) {
    const unsigned t = a * b;
    return (t + (t >> 8) + 0x80) >> 8;
}

Pixel blend(Pixel under, Color color, unsigned coverage) {
    if (coverage == 255)
        return pixelOf(color);
    const unsigned rest = 255 - coverage;
    const unsigned r = mul255(redOf(color), coverage) + mul255((under >> 16) & 0xFF, rest);
    const unsigned g = mul255(greenOf(color), coverage) + mul255((under >> 8) & 0xFF, rest);
    const unsigned b = mul255(blueOf(color), coverage) + mul255(under & 0xFF, rest);
    return 0xFF000000u | r << 16 | g << 8 | b;
}

bool isSpace(char32_t c) {
    return c == U' ' || c == 0xA0;
}

bool isWordLetter(char32_t c) {
    return (c >= U'0' && c <= U'9') || (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z') ||
           c >= 0xC0;
}

long floorDiv64(long v) {
    return v >= 0 ? v / 64 : -((-v + 63) / 64);
}

}  // namespace

std::u32string lettersOf(std::string_view utf8) {
    std::u32string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const int length = lead < 0x80         ? 1
                           : (lead >> 5) == 6  ? 2
                           : (lead >> 4) == 14 ? 3
                           : (lead >> 3) == 30 ? 4
                                               : 0;
        char32_t code = length == 1   ? lead
                        : length == 2 ? lead & 0x1F
                        : length == 3 ? lead & 0x0F
                                      : lead & 0x07;
        bool valid = length > 0 && i + length <= utf8.size();
        for (int k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + k]);
            valid = (next & 0xC0) == 0x80;
            code = code << 6 | (next & 0x3F);
        }
        // Only a letter's shortest form, and only letters there are: no surrogate halves,
        // nothing past U+10FFFF.
        constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
        valid =
            valid && code >= kLeast[length] && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
        if (!valid) {
            out.push_back(lead);
            ++i;
            continue;
        }
        out.push_back(code);
        i += static_cast<std::size_t>(length);
    }
    return out;
}

const Glyph* Typesetter::glyphOf(char32_t code, int step) const {
    if (const Glyph* g = face_.find(code, step))
        return g;
    return face_.find(U'?', step);
}

long Typesetter::width64(std::u32string_view text) const {
    long width = 0;
    for (const char32_t c : text)
        if (const Glyph* g = glyphOf(c))
            width += g->advance64;
    return width;
}

int Typesetter::width(std::u32string_view text) const {
    return static_cast<int>(floorDiv64(width64(text) + 32));
}

long Typesetter::overhang64(std::u32string_view text) const {
    if (text.empty())
        return 0;
    const Glyph* g = glyphOf(text.back());
    if (!g || !g->width)
        return 0;
    return std::max(0L, (static_cast<long>(g->left) + g->width) * 64 - g->advance64);
}

std::vector<std::u32string> Typesetter::wrap(std::u32string_view text, int widthPx) const {
    // Break opportunities: after a run of spaces, and after a hyphen that follows a letter and
    // comes before one.
    std::vector<std::u32string> lines;
    const long room = static_cast<long>(widthPx) * 64;
    std::size_t lineStart = 0;
    std::size_t lastBreak = 0;  // where the next line would start if we break at the last chance
    bool haveBreak = false;
    auto fits = [&](std::size_t end) {
        std::u32string_view piece = text.substr(lineStart, end - lineStart);
        while (!piece.empty() && isSpace(piece.back()))
            piece.remove_suffix(1);
        return width64(piece) + overhang64(piece) <= room;
    };
    auto emit = [&](std::size_t end) {
        std::u32string line(text.substr(lineStart, end - lineStart));
        while (!line.empty() && isSpace(line.back()))
            line.pop_back();
        lines.push_back(std::move(line));
        lineStart = end;
        haveBreak = false;
    };
    std::size_t i = 0;
    while (i < text.size()) {
        // The next word: up to and including the spaces after it, or a hyphen ending a part.
        std::size_t end = i;
        while (end < text.size() && !isSpace(text[end])) {
            const bool hyphenBreak = text[end] == U'-' && end > i && isWordLetter(text[end - 1]) &&
                                     end + 1 < text.size() && isWordLetter(text[end + 1]);
            ++end;
            if (hyphenBreak)
                break;
        }
        while (end < text.size() && isSpace(text[end]))
            ++end;
        if (!fits(end) && haveBreak) {
            emit(lastBreak);
            continue;  // the same word again, now at the start of a line
        }
        lastBreak = end;
        haveBreak = true;
        i = end;
    }
    if (lineStart < text.size() || lines.empty())
        emit(text.size());
    return lines;
}

void Typesetter::drawLine(Frame& frame, std::u32string_view line, long x64, int top, Color color,
                          const Rect& clip) const {
    const Rect area = clip.intersected(frame.bounds());
    if (area.empty())
        return;
    const int baseline = top + face_.ascent;
    for (const char32_t c : line) {
        // The letter baked for the position its origin lies in, taken 1/64 pixel further on
        // (so that an origin a hair short of a quarter counts as that quarter).
        long whole = floorDiv64(x64);
        int step = static_cast<int>((x64 - whole * 64 + 1) * face_.steps / 64);
        if (step == face_.steps) {
            ++whole;
            step = 0;
        }
        const Glyph* g = glyphOf(c, step);
        if (!g)
            continue;
        const int gx = static_cast<int>(whole) + g->left;
        const int gy = baseline - g->top;
        for (int y = std::max(0, area.y - gy); y < g->height && gy + y < area.bottom(); ++y) {
            const std::uint8_t* row =
                face_.coverage + g->offset + static_cast<std::size_t>(y) * g->width;
            for (int x = std::max(0, area.x - gx); x < g->width && gx + x < area.right(); ++x) {
                if (row[x])
                    frame.at(gx + x, gy + y) = blend(frame.at(gx + x, gy + y), color, row[x]);
            }
        }
        x64 += g->advance64;
    }
}

}  // namespace tk
