// What the rules ask of the sprites and the ball: their far edges, whether two of them touch,
// whether the ball is well inside a sprite's width, and a walking sprite's next frame. Edges are
// sums like every position: formed in double and rounded to single.
#pragma once

#include "engine/core/controls.h"

namespace game {

// The right edge, optionally moved out by a margin within the same rounding.
float rightEdge(const tk::Control& c, double margin = 0);
float bottomEdge(const tk::Control& c);

// Strict overlap of the two boxes.
bool touches(const tk::Control& ball, const tk::Control& sprite);

// The ball's box, widened by 9 twips on each side, lies strictly within the sprite's width: the
// sprite may stand still.
bool wellInside(const tk::Control& ball, const tk::Control& sprite);

// The walking frames alternate: the first one unless the sprite shows it now, then the second.
void toggleFrame(tk::PictureBox& sprite, const tk::PictureBox& first, const tk::PictureBox& second);

}  // namespace game
