// The pixels of a one-pixel line from one end to the other, both ends included, one a step
// (Bresenham's way): the same stepped line wherever the game draws one.
#pragma once

#include <cstdlib>

namespace tk {

template <class Plot>
void forEachPixelOfLine(int x1, int y1, int x2, int y2, Plot plot) {
    const int dx = std::abs(x2 - x1), dy = -std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
    for (int err = dx + dy;;) {
        plot(x1, y1);
        if (x1 == x2 && y1 == y2)
            return;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x1 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y1 += sy;
        }
    }
}

}  // namespace tk
