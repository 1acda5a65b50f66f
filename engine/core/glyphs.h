// The game's fonts as the program carries them: for each face it shows (a family at one size,
// bold or not, italic or not) the letters it needs, each a small coverage bitmap baked at build
// time. Nothing reads a font file at run time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace tk {

struct Font;

// One letter of a face, drawn with its origin at a fraction `step / steps` of a pixel to the
// right of a whole pixel (smooth faces place their letters between pixels; bitmap faces have
// only step 0).
struct Glyph {
    char32_t code;
    std::uint8_t step;
    std::int32_t advance64;  // 1/64 pixels to the next letter's origin
    std::int16_t left;       // from the whole pixel of the origin to the bitmap's first column
    std::int16_t top;        // from the baseline up to the bitmap's first row
    std::uint16_t width, height;
    std::uint32_t offset;  // of the first coverage byte in the face's coverage
};

// One face at one size. Coverage runs 0 (background) to 255 (the text's colour).
struct GlyphFace {
    float sizePt;
    bool bold;
    bool italic;
    int ascent;                     // pixels above the baseline
    int descent;                    // pixels below it
    int leading;                    // added between wrapped lines
    int steps;                      // positions between two pixels that letters are baked for
    std::span<const Glyph> glyphs;  // ordered by code, then step
    const std::uint8_t* coverage;

    // The letter at that step, or null when the face does not carry it.
    const Glyph* find(char32_t code, int step = 0) const;
    int height() const { return ascent + descent; }
};

// Every face the program carries; picks the one a label's font asks for.
class GlyphFaces {
  public:
    explicit GlyphFaces(std::span<const GlyphFace> faces) : faces_(faces) {}

    // The face of that size, weight and slant; failing that, the nearest in size of the same
    // weight and slant, then of any. Null only when there are no faces at all.
    const GlyphFace* faceFor(const Font& font) const;
    std::span<const GlyphFace> all() const { return faces_; }

  private:
    std::span<const GlyphFace> faces_;
};

}  // namespace tk
