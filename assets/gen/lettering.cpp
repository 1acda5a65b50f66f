#include "assets/gen/lettering.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
#include <string>

namespace assetgen {

namespace {

// A square 5 x 7 alphabet, just the letters the pictures spell: a sheet of 7 rows, the letters
// side by side, one space apart.
constexpr std::string_view kGlyphLetters = "SMAHBOL20KQJ";
constexpr std::string_view kGlyphSheet = R"(
.###. #...# .###. #...# ####. .###. #.... .###. .###. #...# .###. ..###
#...# ##.## #...# #...# #...# #...# #.... #...# #..## #..#. #...# ...#.
#.... #.#.# #...# #...# #...# #...# #.... ....# #.#.# #.#.. #...# ...#.
.###. #.#.# ##### ##### ####. #...# #.... ..##. #.#.# ##... #...# ...#.
....# #...# #...# #...# #...# #...# #.... .#... #.#.# #.#.. #.#.# ...#.
#...# #...# #...# #...# #...# #...# #.... #.... ##..# #..#. #..#. #..#.
.###. #...# #...# #...# ####. .###. ##### ##### .###. #...# .##.# .##..
)";

// Whether a letter's font pixel is inked.
bool inked(char letter, int row, int col) {
    const std::size_t index = kGlyphLetters.find(letter);
    if (index == std::string_view::npos)
        throw std::runtime_error(std::string("no glyph for '") + letter + "'");
    const std::size_t rowLength = kGlyphLetters.size() * 6;  // with the space or the newline
    return kGlyphSheet[1 + static_cast<std::size_t>(row) * rowLength + index * 6 +
                       static_cast<std::size_t>(col)] == '#';
}

}  // namespace

// A word as a mask canvas: opaque where a letter is inked, `scale` pixels a font pixel.
Canvas wordMask(std::string_view word, int scale, int gap, Rgba ink) {
    const int width = static_cast<int>(word.size()) * (5 * scale + gap) - gap;
    Canvas mask(width, 7 * scale, kClear);
    for (std::size_t i = 0; i < word.size(); ++i) {
        const int left = static_cast<int>(i) * (5 * scale + gap);
        for (int row = 0; row < 7; ++row) {
            for (int col = 0; col < 5; ++col) {
                if (inked(word[i], row, col)) {
                    mask.fillRect(left + col * scale, row * scale, left + col * scale + scale - 1,
                                  row * scale + scale - 1, ink);
                }
            }
        }
    }
    return mask;
}

void title(Canvas& c, std::string_view word, int centreX, int top, int scale, Rgba light, Rgba deep,
           Rgba outline) {
    const Canvas mask = wordMask(word, scale, scale, rgb(255, 255, 255));
    const int left = centreX - mask.width() / 2;
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x) {
            if (mask.at(x, y).a == 0) {
                continue;
            }
            c.fillRect(left + x + 2, top + y + 2, left + x + 4, top + y + 4, rgb(0, 0, 0));
        }
    }
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x) {
            if (mask.at(x, y).a != 0) {
                c.fillRect(left + x - 2, top + y - 2, left + x + 2, top + y + 2, outline);
            }
        }
    }
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x) {
            if (mask.at(x, y).a != 0) {
                c.set(left + x, top + y, mix(light, deep, static_cast<double>(y) / mask.height()));
            }
        }
    }
}

}  // namespace assetgen
