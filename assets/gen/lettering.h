// Block lettering drawn from a small built-in sheet of capitals and digits: a word as a mask, and
// the splash's big shaded title.
#pragma once

#include <string_view>

#include "assets/gen/canvas.h"

namespace assetgen {

// A word in the sheet's letters, each pixel of a letter `scale` pixels square, `gap` between
// letters, inked in `ink` on transparent.
Canvas wordMask(std::string_view word, int scale, int gap, Rgba ink);
// Big title lettering centred on `centreX`: a drop shadow, a dark outline, then the letters
// shaded from `light` at the top to `deep` at the bottom.
void title(Canvas& c, std::string_view word, int centreX, int top, int scale, Rgba light, Rgba deep,
           Rgba outline);

}  // namespace assetgen
