// Drawing into a frame, each primitive cut off at `clip` (and at the frame).
#pragma once

#include "engine/core/controls.h"
#include "engine/render/frame.h"

#include <vector>

namespace tk {

void fillRect(Frame& frame, const Rect& r, Color color, const Rect& clip);
// A one-pixel line covering both of its ends, whichever way it is given.
void drawSegment(Frame& frame, int x1, int y1, int x2, int y2, Color color, const Rect& clip);
// A picture's pixels as frames hold them, and drawn with their top-left corner at (x, y).
std::vector<Pixel> pixelsOf(const Image& image);
void drawPixels(Frame& frame, const std::vector<Pixel>& pixels, int width, int x, int y,
                const Rect& clip);
// A one-pixel frame just inside `r`.
void drawFrameLines(Frame& frame, const Rect& r, Color color, const Rect& clip);
// A sunken two-pixel border, as the hidden frame holders and the text box have.
void drawSunkenBorder(Frame& frame, const Rect& r, const Rect& clip);
// A rectangle or a circle, outlined and maybe filled.
void drawShape(Frame& frame, const Shape& shape, const Rect& r, const Rect& clip);

}  // namespace tk
