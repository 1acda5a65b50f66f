// A small RGBA drawing surface for the asset generator: plain pixels, integer geometry,
// nothing anti-aliased unless a routine says so. Everything is deterministic.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "assets/gen/dice.h"

namespace assetgen {

struct Rgba {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    std::uint8_t a = 255;

    friend bool operator==(const Rgba&, const Rgba&) = default;
};

constexpr Rgba rgb(int r, int g, int b) {
    return Rgba{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                static_cast<std::uint8_t>(b), 255};
}

// Nothing at all: stamps skip these pixels.
constexpr Rgba kClear{0, 0, 0, 0};

// Mixes `over` onto `under` by `amount` (0: under, 1: over), rounding to the nearest level.
Rgba mix(Rgba under, Rgba over, double amount);

class Canvas {
  public:
    Canvas() = default;
    Canvas(int width, int height, Rgba fill);

    int width() const { return width_; }
    int height() const { return height_; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    Rgba at(int x, int y) const { return pixels_[index(x, y)]; }
    // Writes outside the canvas are dropped, so shapes may run over the edges.
    void set(int x, int y, Rgba c);
    void blend(int x, int y, Rgba c, double amount);

    // Rectangles take inclusive corners.
    void fillRect(int x0, int y0, int x1, int y1, Rgba c);
    void frameRect(int x0, int y0, int x1, int y1, Rgba c);
    void line(int x0, int y0, int x1, int y1, Rgba c);
    // Every pixel whose centre lies inside the ellipse.
    void fillEllipse(double cx, double cy, double rx, double ry, Rgba c);

    // Every pixel whose centre lies inside the polygon (even-odd rule).
    void fillPolygon(const std::vector<std::pair<double, double>>& points, Rgba c);

    // Copies `src` with its top-left corner at (x, y), skipping fully transparent pixels.
    void stamp(const Canvas& src, int x, int y);
    // Copies `src` turned by `degrees` clockwise about its centre, which lands on (cx, cy);
    // nearest-neighbour sampling keeps the pixel art's colours.
    void stampRotated(const Canvas& src, double cx, double cy, double degrees);

    Canvas mirrored() const;

    // Rows top to bottom, 4 bytes a pixel.
    std::vector<std::uint8_t> rgbaBytes() const;

  private:
    std::size_t index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
               static_cast<std::size_t>(x);
    }

    int width_ = 0;
    int height_ = 0;
    std::vector<Rgba> pixels_;
};

}  // namespace assetgen
