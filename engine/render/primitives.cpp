// The few things a window is drawn with: filled rectangles, one-pixel lines, pictures, borders
// and the ball's circle, each cut off at a clip rectangle.
#include "engine/render/primitives.h"

#include "engine/core/line_steps.h"

#include <algorithm>
#include <cstdlib>

namespace tk {

void fillRect(Frame& frame, const Rect& r, Color color, const Rect& clip) {
    const Rect area = r.intersected(clip).intersected(frame.bounds());
    const Pixel p = pixelOf(color);
    for (int y = area.y; y < area.bottom(); ++y)
        std::fill_n(&frame.at(area.x, y), area.width, p);
}

void drawSegment(Frame& frame, int x1, int y1, int x2, int y2, Color color, const Rect& clip) {
    if (x1 == x2 || y1 == y2) {
        fillRect(frame,
                 {std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + 1, std::abs(y2 - y1) + 1},
                 color, clip);
        return;
    }
    // A stepped line, both ends set.
    forEachPixelOfLine(x1, y1, x2, y2, [&](int x, int y) {
        fillRect(frame, {x, y, 1, 1}, color, clip);
    });
}

std::vector<Pixel> pixelsOf(const Image& image) {
    std::vector<Pixel> pixels(static_cast<std::size_t>(image.widthPx) * image.heightPx);
    if (!image.rgba)
        return {};
    const std::uint8_t* src = image.rgba;
    for (Pixel& p : pixels) {
        p = 0xFF000000u | static_cast<Pixel>(src[0]) << 16 | static_cast<Pixel>(src[1]) << 8 |
            src[2];
        src += 4;
    }
    return pixels;
}

void drawPixels(Frame& frame, const std::vector<Pixel>& pixels, int width, int x, int y,
                const Rect& clip) {
    if (pixels.empty() || width <= 0)
        return;
    const int height = static_cast<int>(pixels.size()) / width;
    const Rect area = Rect{x, y, width, height}.intersected(clip).intersected(frame.bounds());
    for (int row = area.y; row < area.bottom(); ++row)
        std::copy_n(&pixels[static_cast<std::size_t>(row - y) * width + (area.x - x)], area.width,
                    &frame.at(area.x, row));
}

void drawFrameLines(Frame& frame, const Rect& r, Color color, const Rect& clip) {
    fillRect(frame, {r.x, r.y, r.width, 1}, color, clip);
    fillRect(frame, {r.x, r.bottom() - 1, r.width, 1}, color, clip);
    fillRect(frame, {r.x, r.y, 1, r.height}, color, clip);
    fillRect(frame, {r.right() - 1, r.y, 1, r.height}, color, clip);
}

// A sunken two-pixel border, as the hidden frame holders and the text box have.
void drawSunkenBorder(Frame& frame, const Rect& r, const Rect& clip) {
    const Color shadow = RGB(128, 128, 128), dark = RGB(64, 64, 64), light = kWhite,
                face = RGB(212, 208, 200);
    fillRect(frame, {r.x, r.y, r.width, 1}, shadow, clip);
    fillRect(frame, {r.x, r.y, 1, r.height}, shadow, clip);
    fillRect(frame, {r.x, r.bottom() - 1, r.width, 1}, light, clip);
    fillRect(frame, {r.right() - 1, r.y, 1, r.height}, light, clip);
    const Rect in = r.adjusted(1, 1, -1, -1);
    fillRect(frame, {in.x, in.y, in.width, 1}, dark, clip);
    fillRect(frame, {in.x, in.y, 1, in.height}, dark, clip);
    fillRect(frame, {in.x, in.bottom() - 1, in.width, 1}, face, clip);
    fillRect(frame, {in.right() - 1, in.y, 1, in.height}, face, clip);
}

// A circle as wide as the box's shorter side, centred in it: every pixel whose centre lies
// within the radius (and a little), outlined where it meets the outside.
void drawCircle(Frame& frame, const Shape& shape, const Rect& r, const Rect& clip) {
    const int d = std::min(r.width, r.height);
    const int x0 = r.x + (r.width - d) / 2, y0 = r.y + (r.height - d) / 2;
    const double c = (d - 1) / 2.0, limit = c * c + 1;
    auto inside = [&](int i, int j) {
        return i >= 0 && j >= 0 && i < d && j < d && (i - c) * (i - c) + (j - c) * (j - c) <= limit;
    };
    for (int j = 0; j < d; ++j)
        for (int i = 0; i < d; ++i) {
            if (!inside(i, j))
                continue;
            const bool edge =
                !inside(i - 1, j) || !inside(i + 1, j) || !inside(i, j - 1) || !inside(i, j + 1);
            if (edge)
                fillRect(frame, {x0 + i, y0 + j, 1, 1}, shape.BorderColor, clip);
            else if (shape.filled)
                fillRect(frame, {x0 + i, y0 + j, 1, 1}, shape.FillColor, clip);
        }
}

void drawShape(Frame& frame, const Shape& shape, const Rect& r, const Rect& clip) {
    if (r.empty())
        return;
    if (shape.kind == Shape::Kind::Circle)
        return drawCircle(frame, shape, r, clip);
    if (shape.filled)
        fillRect(frame, r, shape.FillColor, clip);
    drawFrameLines(frame, r, shape.BorderColor, clip);
}

}  // namespace tk
