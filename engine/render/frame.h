// A window's picture as the renderer makes it: one 32-bit pixel (0xAARRGGBB, alpha always full)
// for each pixel of the window's client area, rows top to bottom.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "engine/core/controls.h"

namespace tk {

using Pixel = std::uint32_t;

constexpr Pixel pixelOf(Color c) {
    return 0xFF000000u | static_cast<Pixel>(redOf(c)) << 16 | static_cast<Pixel>(greenOf(c)) << 8 |
           static_cast<Pixel>(blueOf(c));
}

// A rectangle of whole pixels; empty when either side is not positive.
struct Rect {
    int x = 0, y = 0, width = 0, height = 0;

    int right() const { return x + width; }  // one past the last column
    int bottom() const { return y + height; }
    bool empty() const { return width <= 0 || height <= 0; }
    bool contains(int px, int py) const {
        return px >= x && py >= y && px < right() && py < bottom();
    }
    Rect translated(int dx, int dy) const { return {x + dx, y + dy, width, height}; }
    Rect adjusted(int dx1, int dy1, int dx2, int dy2) const {
        return {x + dx1, y + dy1, width - dx1 + dx2, height - dy1 + dy2};
    }
    Rect intersected(const Rect& o) const {
        const int l = std::max(x, o.x), t = std::max(y, o.y);
        const int r = std::min(right(), o.right()), b = std::min(bottom(), o.bottom());
        return {l, t, std::max(0, r - l), std::max(0, b - t)};
    }
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Frame {
    int width = 0, height = 0;
    std::vector<Pixel> pixels;

    Frame() = default;
    Frame(int w, int h, Pixel fill = 0xFF000000u)
        : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}
    Pixel at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    Pixel& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    Rect bounds() const { return {0, 0, width, height}; }
    friend bool operator==(const Frame&, const Frame&) = default;
};

// Pixels of a position or size in twips, rounded half up as the window snaps them.
int pixels(float twips);
// A control's box in its container, in pixels.
Rect controlRect(const Control& control);
// The client area of a picture box in its container: inside its border.
Rect clientRect(const PictureBox& box);

}  // namespace tk
