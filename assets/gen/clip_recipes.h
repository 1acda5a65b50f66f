// The sample data of the game's eight clips, synthesised from recipes: knocks of a ball on a
// racket, the side-line tick, the intro's chord, the set's fanfare and the point's applause.
#pragma once

#include <cstdint>
#include <vector>

#include "assets/gen/clips.h"

namespace assetgen {

// Clip 1 to 8's samples, as many and in the format its layout says.
std::vector<std::uint8_t> clipSamples(int id, const ClipLayout& layout);

}  // namespace assetgen
