// The three large pictures, drawn from geometry and colours with fixed seeds: the grass around
// the court, the court itself and the title splash. Small figures on them (the yellow players
// on the grass, card suits) are stamps from the text pixel art.
#pragma once

#include <map>
#include <string>

#include "assets/gen/canvas.h"

namespace assetgen {

using Stamps = std::map<std::string, Canvas>;

// The court's surface: the sprites are drawn on exactly this colour.
constexpr Rgba kCourtSurface = rgb(255, 112, 0);
constexpr Rgba kCourtLine = rgb(240, 232, 192);
constexpr Rgba kGrass = rgb(0, 152, 16);

Canvas drawGrass(const Stamps& stamps);   // 304 x 312
Canvas drawCourt();                       // 256 x 271
Canvas drawSplash(const Stamps& stamps);  // 250 x 250

}  // namespace assetgen
