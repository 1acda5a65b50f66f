// Text set from the baked glyph faces: measured, wrapped at word boundaries and drawn into a
// frame, letter by letter, the same on every front end.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/core/glyphs.h"
#include "engine/render/frame.h"

namespace tk {

// The letters of a UTF-8 text; a byte that starts no valid letter stands for itself.
std::u32string lettersOf(std::string_view utf8);

// A text set in one face.
class Typesetter {
  public:
    explicit Typesetter(const GlyphFace& face) : face_(face) {}

    const GlyphFace& face() const { return face_; }

    // The width of a text on one line, in 1/64 pixels.
    long width64(std::u32string_view text) const;
    // The same in whole pixels, rounded to the nearest.
    int width(std::u32string_view text) const;

    // The lines of a text wrapped to fit `widthPx`: breaks after spaces (which hang past the end
    // of the line) and after a hyphen between letters; a word too long for a line stands alone.
    std::vector<std::u32string> wrap(std::u32string_view text, int widthPx) const;

    // The distance between the tops of two wrapped lines.
    int linePitch() const { return face_.height() + face_.leading; }

    // Draws one line with its origin at `x64` (1/64 pixels) and its top at `top`, cut off
    // at `clip`.
    void drawLine(Frame& frame, std::u32string_view line, long x64, int top, Color color,
                  const Rect& clip) const;

  private:
    const Glyph* glyphOf(char32_t code, int step = 0) const;
    // How far the last letter reaches past its advance (0 when it does not).
    long overhang64(std::u32string_view text) const;

    const GlyphFace& face_;
};

}  // namespace tk
