#include "assets/gen/canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "engine/core/line_steps.h"

namespace assetgen {

namespace {

std::uint8_t mixChannel(std::uint8_t under, std::uint8_t over, double amount) {
    const double v = under + (over - under) * amount;
    return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L));
}

}  // namespace

Rgba mix(Rgba under, Rgba over, double amount) {
    return Rgba{mixChannel(under.r, over.r, amount), mixChannel(under.g, over.g, amount),
                mixChannel(under.b, over.b, amount), mixChannel(under.a, over.a, amount)};
}

Canvas::Canvas(int width, int height, Rgba fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width * height), fill) {}

void Canvas::set(int x, int y, Rgba c) {
    if (contains(x, y)) {
        pixels_[index(x, y)] = c;
    }
}

void Canvas::blend(int x, int y, Rgba c, double amount) {
    if (contains(x, y)) {
        pixels_[index(x, y)] = mix(pixels_[index(x, y)], c, amount);
    }
}

void Canvas::fillRect(int x0, int y0, int x1, int y1, Rgba c) {
    for (int y = std::min(y0, y1); y <= std::max(y0, y1); ++y) {
        for (int x = std::min(x0, x1); x <= std::max(x0, x1); ++x) {
            set(x, y, c);
        }
    }
}

void Canvas::frameRect(int x0, int y0, int x1, int y1, Rgba c) {
    line(x0, y0, x1, y0, c);
    line(x0, y1, x1, y1, c);
    line(x0, y0, x0, y1, c);
    line(x1, y0, x1, y1, c);
}

void Canvas::line(int x0, int y0, int x1, int y1, Rgba c) {
    tk::forEachPixelOfLine(x0, y0, x1, y1, [&](int x, int y) { set(x, y, c); });
}

void Canvas::fillEllipse(double cx, double cy, double rx, double ry, Rgba c) {
    if (rx <= 0 || ry <= 0) {
        return;
    }
    const int x0 = static_cast<int>(std::floor(cx - rx));
    const int x1 = static_cast<int>(std::ceil(cx + rx));
    const int y0 = static_cast<int>(std::floor(cy - ry));
    const int y1 = static_cast<int>(std::ceil(cy + ry));
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const double u = (x + 0.5 - cx) / rx;
            const double v = (y + 0.5 - cy) / ry;
            if (u * u + v * v <= 1.0) {
                set(x, y, c);
            }
        }
    }
}

void Canvas::fillPolygon(const std::vector<std::pair<double, double>>& points, Rgba c) {
    if (points.size() < 3) {
        return;
    }
    double top = points[0].second, bottom = points[0].second;
    for (const auto& p : points) {
        top = std::min(top, p.second);
        bottom = std::max(bottom, p.second);
    }
    for (int y = static_cast<int>(std::floor(top)); y <= static_cast<int>(std::ceil(bottom)); ++y) {
        const double py = y + 0.5;
        std::vector<double> crossings;
        for (std::size_t i = 0; i < points.size(); ++i) {
            const auto [x0, y0] = points[i];
            const auto [x1, y1] = points[(i + 1) % points.size()];
            if ((y0 <= py) != (y1 <= py)) {
                crossings.push_back(x0 + (py - y0) * (x1 - x0) / (y1 - y0));
            }
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
            for (int x = static_cast<int>(std::ceil(crossings[i] - 0.5));
                 x + 0.5 < crossings[i + 1]; ++x) {
                set(x, y, c);
            }
        }
    }
}

Canvas Canvas::mirrored() const {
    Canvas out(width_, height_, kClear);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            out.set(width_ - 1 - x, y, at(x, y));
        }
    }
    return out;
}

void Canvas::stamp(const Canvas& src, int x, int y) {
    for (int sy = 0; sy < src.height(); ++sy) {
        for (int sx = 0; sx < src.width(); ++sx) {
            const Rgba c = src.at(sx, sy);
            if (c.a != 0) {
                set(x + sx, y + sy, c);
            }
        }
    }
}

void Canvas::stampRotated(const Canvas& src, double cx, double cy, double degrees) {
    const double turn = degrees * std::numbers::pi / 180.0;
    const double cs = std::cos(turn);
    const double sn = std::sin(turn);
    const double half = std::hypot(src.width(), src.height()) / 2.0 + 1.0;
    const double scx = src.width() / 2.0;
    const double scy = src.height() / 2.0;
    for (int y = static_cast<int>(std::floor(cy - half)); y <= static_cast<int>(cy + half); ++y) {
        for (int x = static_cast<int>(std::floor(cx - half)); x <= static_cast<int>(cx + half);
             ++x) {
            // Map the destination pixel's centre back into the source.
            const double dx = x + 0.5 - cx;
            const double dy = y + 0.5 - cy;
            const double u = cs * dx + sn * dy + scx;
            const double v = -sn * dx + cs * dy + scy;
            const int sx = static_cast<int>(std::floor(u));
            const int sy = static_cast<int>(std::floor(v));
            if (src.contains(sx, sy) && src.at(sx, sy).a != 0) {
                set(x, y, src.at(sx, sy));
            }
        }
    }
}

std::vector<std::uint8_t> Canvas::rgbaBytes() const {
    std::vector<std::uint8_t> out;
    out.reserve(pixels_.size() * 4);
    for (const Rgba& p : pixels_) {
        out.insert(out.end(), {p.r, p.g, p.b, p.a});
    }
    return out;
}

}  // namespace assetgen
